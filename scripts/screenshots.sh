#!/usr/bin/env bash
# Takes PNG screenshots of the gallery window in several states under Xvfb, into
# $TAV_BUILD_ROOT/screenshots (build/screenshots by default): the controls as skinned, with the
# pointer over a button, with a button held down, with the message box and the progress window
# open, and with no Images folder at all (every fallback); then the real windows, and the
# pictures of the user's guide into docs/images.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${TAV_BUILD_ROOT:-$root/build}
source "$root/scripts/wine-env.sh"
tav_ensure_wine

gallery="$out/win64/tools/gallery/gallery.exe"
shots="$out/screenshots"
[ -x "$gallery" ] || { echo "screenshots: $gallery is missing: build first" >&2; exit 1; }
mkdir -p "$shots"
windows_path() { echo "Z:$1" | tr / '\\'; }
dist=$(windows_path "$out/dist/x64")
empty=$(mktemp -d)
trap 'rm -rf "$empty"' EXIT

shot() {  # name gallery-options...
    local name=$1 ready="$shots/.ready-$1" pid
    shift
    xdotool mousemove 1279 799 2>/dev/null || true
    rm -f "$ready"
    "$TAV_WINE" "$gallery" --ready "$(windows_path "$ready")" "$@" </dev/null >/dev/null 2>&1 &
    pid=$!
    for _ in $(seq 300); do
        [ -s "$ready" ] && break
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if [ ! -s "$ready" ]; then
        echo "screenshots: the gallery did not come up for $name" >&2
        kill "$pid" 2>/dev/null || true
        return 1
    fi
    read -r x y w h <"$ready"
    import -display "$DISPLAY" -window root -crop "${w}x${h}+${x}+${y}" +repage "$shots/$name.png"
    rm -f "$ready"
    wait "$pid" || true
    echo "$shots/$name.png"
}

shot gallery --install "$dist"
shot gallery-hover --install "$dist" --hover buttons.hover
shot gallery-pressed --install "$dist" --press buttons.normal
shot messagebox-yesno --install "$dist" --messagebox 4
shot messagebox-okcancel --install "$dist" --messagebox 1
shot progress --install "$dist" --progress
shot fallbacks --install "$(windows_path "$empty")"

# The add-item dialog filled in, plain and with its key list down.
"$root/scripts/shot-additem.sh" "$shots"

# The configuration window and the item dialogs.
"$root/scripts/shot-config.sh" "$shots"

# The main window with the sample items, plain and with a drop-down open.
"$root/scripts/shot-launcher.sh" "$shots"

# The main window with the Simplified Chinese text file.
"$root/scripts/shot-launcher.sh" "$shots" zh-CN

# The export and import window in both modes.
"$root/scripts/shot-exchange.sh" "$shots"

# The user's guide shows these, always as the program looks now.
for name in launcher launcher-dropdown launcher-zh-CN tray config config-keys config-composed config-clipitem \
            config-replace exchange-export exchange-import; do
    cp "$shots/$name.png" "$root/docs/images/$name.png"
done
