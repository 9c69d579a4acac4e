# Sourced by the Wine runners. Gives every Windows program of the project the same private
# prefix, a display (the caller's, or an Xvfb of our own) and one persistent wineserver that
# was started with that display, so test programs start fast and windows can always be made.
tav_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
tav_state="${TAV_BUILD_ROOT:-$tav_root/build}/wine"
mkdir -p "$tav_state"

export WINEPREFIX="$tav_state/prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
TAV_WINE=/usr/lib/wine/wine64
TAV_WINESERVER=/usr/lib/wine/wineserver64
# What this shell started (a display, a server), so that tav_stop_started_wine stops just that.
tav_started_xvfb=
tav_started_server=

tav_start_xvfb() {
    local n
    for n in $(seq 91 140); do
        [ -e "/tmp/.X$n-lock" ] && continue
        setsid Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp </dev/null >/dev/null 2>&1 9>&- &
        echo $! >"$tav_state/xvfb.pid"
        for _ in $(seq 50); do
            [ -e "/tmp/.X11-unix/X$n" ] && break
            sleep 0.1
        done
        echo ":$n" >"$tav_state/xvfb.display"
        tav_started_xvfb=1
        return 0
    done
    echo "wine-env: no free X display" >&2
    return 1
}

tav_ensure_display() {
    [ -n "${DISPLAY:-}" ] && return 0
    if [ -f "$tav_state/xvfb.pid" ] && kill -0 "$(cat "$tav_state/xvfb.pid")" 2>/dev/null; then
        DISPLAY=$(cat "$tav_state/xvfb.display")
    else
        tav_start_xvfb
        DISPLAY=$(cat "$tav_state/xvfb.display")
    fi
    export DISPLAY
}

tav_server_running() {
    local pid
    for pid in $(pgrep -x wineserver64 2>/dev/null; pgrep -x wineserver 2>/dev/null); do
        # grep reads to the end (no -q): an early exit would fail tr, and so the pipeline.
        tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -x "WINEPREFIX=$WINEPREFIX" >/dev/null && return 0
    done
    return 1
}

tav_ensure_wine() {
    exec 9>"$tav_state/lock"
    flock 9
    tav_ensure_display
    if [ -f "$tav_state/server.display" ] && [ "$(cat "$tav_state/server.display")" != "$DISPLAY" ]; then
        "$TAV_WINESERVER" -k 2>/dev/null || true
        "$TAV_WINESERVER" -w 2>/dev/null || true
    fi
    if ! tav_server_running; then
        # The persistent server first: a fresh prefix's wineboot would otherwise start a
        # short-lived one, and a second server refuses to start beside it.
        mkdir -p "$WINEPREFIX"
        "$TAV_WINESERVER" -p </dev/null >/dev/null 2>&1 9>&- || true
        tav_started_server=1
        if [ -f "$WINEPREFIX/system.reg" ]; then
            "$TAV_WINE" wineboot </dev/null >/dev/null 2>&1 9>&-
        else
            "$TAV_WINE" wineboot -i </dev/null >/dev/null 2>&1 9>&-
        fi
        echo "$DISPLAY" >"$tav_state/server.display"
    fi
    flock -u 9
    exec 9>&-
}

tav_stop_wine() {
    "$TAV_WINESERVER" -k 2>/dev/null || true
    "$TAV_WINESERVER" -w 2>/dev/null || true
    rm -f "$tav_state/server.display"
    if [ -f "$tav_state/xvfb.pid" ]; then
        kill "$(cat "$tav_state/xvfb.pid")" 2>/dev/null || true
        rm -f "$tav_state/xvfb.pid" "$tav_state/xvfb.display"
    fi
}

# Ends a run: stops the prefix's server (with the programs and services it keeps) and the Xvfb
# when this shell started them. A server or display that was there before the run, such as
# the one of a running `make run` or the user's own display, stays.
tav_stop_started_wine() {
    if [ -n "$tav_started_server" ]; then
        "$TAV_WINESERVER" -k 2>/dev/null || true
        "$TAV_WINESERVER" -w 2>/dev/null || true
        rm -f "$tav_state/server.display"
    fi
    if [ -n "$tav_started_xvfb" ] && [ -f "$tav_state/xvfb.pid" ]; then
        kill "$(cat "$tav_state/xvfb.pid")" 2>/dev/null || true
        rm -f "$tav_state/xvfb.pid" "$tav_state/xvfb.display"
    fi
    tav_started_server=
    tav_started_xvfb=
}
