#!/usr/bin/env bash
# Screenshots of the main window of the real program with the sample items: as it opens, and
# with the short-name drop-down open after typing. With zh-CN after the folder, the main window
# once more with the Simplified Chinese text file in place, on a Chinese system (code page 936).
# Also the window hidden to the notification area (Wine's stand-in tray window, top left).
# Usage: shot-launcher.sh OUTPUT_FOLDER [zh-CN] (run with the Wine environment of scripts/wine-env.sh).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${TAV_BUILD_ROOT:-$root/build}
shots=${1:?usage: shot-launcher.sh OUTPUT_FOLDER [zh-CN]}
language=${2:-}
source "$root/scripts/wine-env.sh"
source "$root/scripts/datafiles.sh"
tav_ensure_wine
mkdir -p "$shots"

install=$(mktemp -d "$out/shot-launcher.XXXXXX")
pid=
finish() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    rm -rf "$install"
}
trap finish EXIT
cp -r "$out/dist/x64/." "$install/"
rm -f "$install"/Data/*.stx
write_sample_files "$install"
if [ "$language" = zh-CN ]; then
    cp "$install/TavimorethConfig.zh-CN.ini" "$install/TavimorethConfig.ini"
    # Wine takes the system's code page from the locale; the locale only has to exist.
    locale -a 2>/dev/null | grep -qi '^zh_CN.utf-\?8$' || localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
    export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
fi

(cd "$install" && exec "$TAV_WINE" "$install/Tavimoreth.exe" </dev/null >/dev/null 2>&1) &
pid=$!
window=
for _ in $(seq 300); do
    window=$(xdotool search --onlyvisible --name '^Tavimoreth$' 2>/dev/null | head -n1 || true)
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "shot-launcher: the main window did not show" >&2; exit 1; }
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
sleep 1

shoot() {  # name
    eval "$(xdotool getwindowgeometry --shell "$window")"
    import -display "$DISPLAY" -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$shots/$1.png"
    echo "$shots/$1.png"
}

if [ "$language" = zh-CN ]; then
    shoot launcher-zh-CN
    exit 0
fi
shoot launcher
# Hidden: Ctrl+Shift+J hides the window to its icon on its second press, as the first shows the
# window (Wine takes up to 2 s to unmap it).
xdotool key ctrl+shift+j
sleep 1
xdotool key ctrl+shift+j
tray=
for _ in $(seq 100); do
    tray=$(xdotool search --onlyvisible --class __winex11_standalone_tray 2>/dev/null | head -n1 || true)
    [ -n "$tray" ] || tray=$(xdotool search --onlyvisible --name 'Tray' 2>/dev/null | head -n1 || true)
    [ -n "$tray" ] && ! xdotool search --onlyvisible --name '^Tavimoreth$' >/dev/null 2>&1 && break
    sleep 0.1
done
[ -n "$tray" ] || { import -display "$DISPLAY" -window root "$shots/tray-failed.png"; echo "shot-launcher: no tray window" >&2; exit 1; }
sleep 1
main=$window
window=$tray
shoot tray
# The icon is small: twice the size shows it.
mogrify -scale 200% "$shots/tray.png"
# Shown again for the search.
xdotool windowfocus --sync "$tray"
xdotool key ctrl+shift+j
sleep 2
window=$main
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
sleep 1
xdotool type --delay 120 "e"
sleep 1
shoot launcher-dropdown

