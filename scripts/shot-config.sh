#!/usr/bin/env bash
# Screenshots of the configuration window (items shown, key list open, a composed item shown) and
# both item dialogs.
# Usage: shot-config.sh OUTPUT_FOLDER (run with the Wine environment of scripts/wine-env.sh).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${TAV_BUILD_ROOT:-$root/build}
shots=${1:?usage: shot-config.sh OUTPUT_FOLDER}
source "$root/scripts/wine-env.sh"
tav_ensure_wine
mkdir -p "$shots"
program="$out/win64/tools/shots/config_shot.exe"
dist="$out/dist/x64"
to_windows() { echo "Z:$1" | tr / '\\'; }

shoot() {
    local name=$1; shift
    local ready
    ready=$(mktemp -u /tmp/tav-config-ready.XXXXXX)
    "$TAV_WINE" "$program" --install "$(to_windows "$dist")" --ready "$(to_windows "$ready")" "$@" \
        </dev/null >/dev/null 2>&1 &
    local pid=$!
    for _ in $(seq 150); do
        [ -s "$ready" ] && break
        sleep 0.2
    done
    if [ ! -s "$ready" ]; then
        echo "shot-config: the dialog did not show" >&2
        kill "$pid" 2>/dev/null || true
        return 1
    fi
    local x y w h
    read -r x y w h <"$ready"
    import -display "$DISPLAY" -window root -crop "${w}x${h}+${x}+${y}" +repage "$shots/$name.png"
    rm -f "$ready"
    wait "$pid" || true
    echo "wrote $shots/$name.png"
}

shoot config-keys --keys
shoot config-composed --composed
shoot config-iteminfo --info
shoot config-clipitem --clip
