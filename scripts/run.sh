#!/usr/bin/env bash
# Starts the staged 64-bit program under Wine and waits until it ends.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${TAV_BUILD_ROOT:-$root/build}
source "$root/scripts/wine-env.sh"
own_display=
[ -z "${DISPLAY:-}" ] && own_display=1
tav_ensure_wine
if [ -n "$own_display" ]; then
    echo "Tavimoreth runs on the virtual display $DISPLAY. To see it:"
    echo "    DISPLAY=$DISPLAY import -window root shot.png"
fi
cd "$out/dist/x64"
# A first start shows a few sample items, so a new user sees how the program works; the
# user's own files are never touched.
if [ ! -e Shortcut2.dat ] && [ ! -e Shortcut2.clg ]; then
    source "$root/scripts/datafiles.sh"
    write_items_file Shortcut2.dat \
        "Notepad|np|Ctrl|F7|Write a quick note|c:\\windows\\notepad.exe" \
        "Command Prompt|cp|Alt|F8|A command line window|c:\\windows\\system32\\cmd.exe" \
        "Registry Editor|re|||Look into the registry|c:\\windows\\regedit.exe" \
        "Explorer|ex|||Browse the files|c:\\windows\\explorer.exe" \
        "Tavimoreth Support|ts|||The support web page|https://tavimoreth.example.org/support"
    tools=$(tav_guid)
    write_catalogs_file Shortcut2.clg "root|Tools|$tools|0,1,2" "$tools|System|$(tav_guid)|2" \
        "root|Files|$(tav_guid)|3" "root|Web|$(tav_guid)|4"
    echo "Wrote sample items into $out/dist/x64"
fi
set +e
"$TAV_WINE" "$out/dist/x64/Tavimoreth.exe"
code=$?
echo "Tavimoreth ended with exit code $code"
exit $code
