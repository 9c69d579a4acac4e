#!/usr/bin/env bash
# Builds the portable packages: a size-optimised release build per architecture in its own
# folder ($TAV_BUILD_ROOT/rel-x64, rel-x86; the test builds stay as they are), staged as the
# installation folder and zipped byte for byte reproducibly into $TAV_BUILD_ROOT/packages as
# Tavimoreth-<version>-<arch>.zip, the version read from the version resource.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${TAV_BUILD_ROOT:-$root/build}
packages="$out/packages"
mkdir -p "$packages"

# "FILEVERSION 3,0,0,0" of the program's version resource.
version=$(sed -n 's/^ *FILEVERSION *\([0-9]*\),\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1.\2.\3.\4/p' \
    "$root/resources/Tavimoreth.rc")
[ -n "$version" ] || { echo "dist: no FILEVERSION in resources/Tavimoreth.rc" >&2; exit 1; }

# No debug information, sections per function and data object so the linker drops what
# nothing calls, stripped, and no link time stamp (same sources, same bytes).
compile_flags="-Os -DNDEBUG -ffunction-sections -fdata-sections"
link_flags="-Wl,--gc-sections -s -Wl,--no-insert-timestamp"

# SQLite, zlib and minizip built the same way, from the sources the test builds' set-up fetched.
# SQLite leaves out what one read-only query never needs (JSON functions, UTF-16 entry points,
# shared cache, tracing, deprecated calls) and keeps no memory statistics.
sqlite_options="-DSQLITE_OMIT_JSON -DSQLITE_OMIT_UTF16 -DSQLITE_OMIT_SHARED_CACHE -DSQLITE_OMIT_TRACE \
    -DSQLITE_OMIT_DEPRECATED -DSQLITE_OMIT_PROGRESS_CALLBACK -DSQLITE_OMIT_COMPLETE -DSQLITE_OMIT_GET_TABLE \
    -DSQLITE_DEFAULT_MEMSTATUS=0"
deps="$out/rel-deps"
mkdir -p "$deps"
[ -e "$deps/src" ] || ln -s "$root/build/deps/src" "$deps/src"
# The C libraries throw no exceptions, so they need no unwind tables (a fifth of the 32-bit
# program's size); nothing of ours throws through their frames.
deps_flags="$compile_flags -fno-asynchronous-unwind-tables $sqlite_options"
# Other flags than last time: build them again.
[ "$(cat "$deps/flags" 2>/dev/null)" = "$deps_flags" ] || rm -f "$deps/.complete-v1"
echo "== building the dependencies for size"
TAV_DEPS_CFLAGS="$deps_flags" "$root/scripts/build-deps.sh" "$deps"
echo "$deps_flags" >"$deps/flags"

for arch in x64 x86; do
    case $arch in
        x64) toolchain=toolchain-x86_64-w64-mingw32.cmake ;;
        x86) toolchain=toolchain-i686-w64-mingw32.cmake ;;
    esac
    dir="$out/rel-$arch"
    stage="$dir/stage/Tavimoreth"
    cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel -DTAV_DEPS_ROOT="$deps" \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$toolchain" -DTAV_TESTS=OFF -DTAV_DIST_DIR="$stage" \
        -DCMAKE_C_FLAGS_MINSIZEREL="$compile_flags" -DCMAKE_CXX_FLAGS_MINSIZEREL="$compile_flags" \
        -DCMAKE_EXE_LINKER_FLAGS="$link_flags" -DCMAKE_SHARED_LINKER_FLAGS="$link_flags" >/dev/null
    echo "== building the $arch release"
    if ! cmake --build "$dir" --target stage -- -j"$(nproc)" >"$dir/build.log" 2>&1; then
        grep -v -E '^\[[0-9]+/[0-9]+\] ' "$dir/build.log" | tail -n 40 >&2
        echo "dist: the $arch release build failed" >&2
        exit 1
    fi
    cp "$root/assets/ReadMe.txt" "$stage/ReadMe.txt"
    python3 "$root/scripts/pack-zip.py" "$stage" "$packages/Tavimoreth-$version-$arch.zip"
done
