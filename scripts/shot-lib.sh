# Sourced by the screenshot scripts: `shoot NAME ARGS...` runs $program (a screenshot program of
# tools/shots) with ARGS, waits until it reports where its window stands, and crops the screen
# to that window into $shots/NAME.png.
dist="$out/dist/x64"
to_windows() { echo "Z:$1" | tr / '\\'; }

shoot() {
    local name=$1; shift
    local ready
    ready=$(mktemp -u /tmp/tav-shot-ready.XXXXXX)
    # The pointer left over a button would show its tip in the picture.
    xdotool mousemove 1279 799 2>/dev/null || true
    "$TAV_WINE" "$program" --install "$(to_windows "$dist")" --ready "$(to_windows "$ready")" "$@" \
        </dev/null >/dev/null 2>&1 &
    local pid=$!
    for _ in $(seq 450); do
        [ -s "$ready" ] && break
        sleep 0.2
    done
    if [ ! -s "$ready" ]; then
        echo "$(basename "$program"): the window did not show" >&2
        kill "$pid" 2>/dev/null || true
        return 1
    fi
    local x y w h
    read -r x y w h <"$ready"
    sleep 2 # a loaded machine may still be painting
    import -display "$DISPLAY" -window root -crop "${w}x${h}+${x}+${y}" +repage "$shots/$name.png"
    rm -f "$ready"
    wait "$pid" || true
    echo "wrote $shots/$name.png"
}

