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
    write_sample_files .
    echo "Wrote sample items into $out/dist/x64"
fi
set +e
"$TAV_WINE" "$out/dist/x64/Tavimoreth.exe"
code=$?
echo "Tavimoreth ended with exit code $code"
exit $code
