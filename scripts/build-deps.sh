#!/usr/bin/env bash
# Cross-builds static SQLite and minizip (with zlib) for both Windows targets from Debian's
# source packages. Their sources are fetched into the build folder, never into the repository.
# TAV_DEPS_CFLAGS replaces the compiler flags (the release packages build them for size).
set -euo pipefail
deps=$1
stamp="$deps/.complete-v1"
[ -f "$stamp" ] && exit 0

src="$deps/src"
mkdir -p "$src"
cd "$src"

if ! ls -d sqlite3-*/ zlib-*/ >/dev/null 2>&1; then
    list=/etc/apt/sources.list.d/tavimoreth-src.sources
    trap 'rm -f "$list"; apt-get update -qq >/dev/null 2>&1 || true' EXIT
    cat >"$list" <<'SRC'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
    apt-get update -qq
    apt-get source --download-only -qq sqlite3 zlib 2>&1 | grep -v 'unsandboxed' || true
    ls sqlite3_*.dsc zlib_*.dsc >/dev/null
    rm -f "$list"
    trap - EXIT
    apt-get update -qq >/dev/null 2>&1 || true
    for dsc in sqlite3_*.dsc zlib_*.dsc; do dpkg-source -q -x "$dsc" >/dev/null 2>&1; done
fi

sqlite_dir=$(ls -d "$src"/sqlite3-*/ | head -n1)
zlib_dir=$(ls -d "$src"/zlib-*/ | head -n1)

if [ ! -f "$src/sqlite3.c" ]; then
    (cd "$sqlite_dir" && ./configure --disable-tcl >/dev/null && make -s sqlite3.c >/dev/null)
    cp "$sqlite_dir/sqlite3.c" "$sqlite_dir/sqlite3.h" "$src/"
fi

build_target() {
    local triplet=$1 out="$deps/$1"
    local cc=$triplet-gcc ar=$triplet-ar
    mkdir -p "$out/include" "$out/lib" "$out/obj"
    local flags=${TAV_DEPS_CFLAGS:-"-O2 -DNDEBUG"}
    $cc $flags -DSQLITE_THREADSAFE=1 -DSQLITE_OMIT_LOAD_EXTENSION -c "$src/sqlite3.c" -o "$out/obj/sqlite3.o" &
    local zobjs=()
    for f in adler32 compress crc32 deflate gzclose gzlib gzread gzwrite infback inffast inflate inftrees trees uncompr zutil; do
        $cc $flags -c "$zlib_dir/$f.c" -o "$out/obj/z_$f.o"
        zobjs+=("$out/obj/z_$f.o")
    done
    local mobjs=()
    for f in ioapi zip unzip iowin32; do
        $cc $flags -I"$zlib_dir" -c "$zlib_dir/contrib/minizip/$f.c" -o "$out/obj/mz_$f.o"
        mobjs+=("$out/obj/mz_$f.o")
    done
    wait
    rm -f "$out/lib/"*.a
    $ar rcs "$out/lib/libsqlite3.a" "$out/obj/sqlite3.o"
    $ar rcs "$out/lib/libz.a" "${zobjs[@]}"
    $ar rcs "$out/lib/libminizip.a" "${mobjs[@]}"
    cp "$src/sqlite3.h" "$zlib_dir/zlib.h" "$zlib_dir/zconf.h" "$out/include/"
    mkdir -p "$out/include/minizip"
    cp "$zlib_dir"/contrib/minizip/{ioapi,zip,unzip,iowin32,crypt}.h "$out/include/minizip/"
}

build_target x86_64-w64-mingw32 &
build_target i686-w64-mingw32 &
wait
touch "$stamp"
echo "build-deps: SQLite and minizip ready in $deps"
