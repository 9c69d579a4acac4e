#!/usr/bin/env bash
# Configures and builds the three build folders: native (window-free core with sanitizers),
# win64 (tested under Wine) and win32 (the 32-bit target; built and linked, not run here).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${TAV_BUILD_ROOT:-$root/build}

source "$root/scripts/configure.sh"
configure() {
    local dir=$1; shift
    tav_configure "$out/$dir" "$@"
}
configure native -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DTAV_SANITIZE=ON
configure win64 -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-x86_64-w64-mingw32.cmake" -DTAV_DIST_DIR="$out/dist/x64"
configure win32 -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-i686-w64-mingw32.cmake" -DTAV_DIST_DIR="$out/dist/x86" -DTAV_TESTS=OFF

for dir in native win64 win32; do
    echo "== building $dir"
    if ! cmake --build "$out/$dir" -- -j"$(nproc)" >"$out/$dir/build.log" 2>&1; then
        grep -v -E '^\[[0-9]+/[0-9]+\] ' "$out/$dir/build.log" | tail -n 60 >&2
        echo "build of $dir failed" >&2
        exit 1
    fi
    grep -E 'warning:' "$out/$dir/build.log" | sort -u | head -n 20 || true
done
