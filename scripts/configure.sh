# Sourced by the build scripts. `tav_configure DIR CMAKE_ARGS...` configures a build folder when
# it has none yet or when the options differ from those it was last configured with: then it
# starts from a fresh cache, so a changed or dropped option in a script reaches builds made
# before the change.
tav_configure() {
    local dir=$1; shift
    local root stamp="$dir/tav-configure-options.txt" options fresh=
    root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
    options=$(printf '%s\n' "$@")
    if [ -f "$dir/build.ninja" ]; then
        [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$options" ] && return 0
        fresh=--fresh
    fi
    rm -f "$stamp"
    cmake $fresh -S "$root" -B "$dir" -G Ninja "$@" >/dev/null
    printf '%s\n' "$options" >"$stamp"
}
