#!/usr/bin/env bash
# Builds a release native build without sanitizers ($TAV_BUILD_ROOT/bench), runs every
# benchmark program in it (bench_*), the Wine benchmarks of the Windows build, the packages'
# sizes and the packaged program's memory, and ends with the GOAL lines of all of them.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${TAV_BUILD_ROOT:-$root/build}
dir="$out/bench"

source "$root/scripts/configure.sh"
tav_configure "$dir" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
    -DTAV_SANITIZE=OFF -DTAV_TESTS=OFF
targets=$(cmake --build "$dir" --target help | sed -n 's/^\(bench_[A-Za-z0-9_]*\): .*/\1/p' | sort -u)
[ -n "$targets" ] || { echo "no benchmarks (is libbenchmark-dev installed?)" >&2; exit 1; }
cmake --build "$dir" --target $targets -- -j"$(nproc)" >"$dir/build.log" 2>&1 || { tail -n 40 "$dir/build.log" >&2; exit 1; }

log="$dir/bench-output.txt"
: >"$log"
status=0
for target in $targets; do
    echo "== $target"
    "$dir/bench/$target" 2>&1 | tee -a "$log" || status=1
done
# The windows at the scale of a whole item list are measured under Wine: their benchmarks
# (bench_*_wine) are built in the Windows build and run through the Wine runner.
win="$out/win64"
# The same options as scripts/build.sh gives this folder, so neither reconfigures it for the other.
tav_configure "$win" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-x86_64-w64-mingw32.cmake" -DTAV_DIST_DIR="$out/dist/x64"
wine_targets=$(cmake --build "$win" --target help | sed -n 's/^\(bench_[A-Za-z0-9_]*_wine\): .*/\1/p' | sort -u)
if cmake --build "$win" --target stage $wine_targets >"$dir/build-wine.log" 2>&1; then
    # One server for all Wine benchmarks, stopped again with the display when they end, so
    # nothing of the run keeps taking time from the next measurement.
    source "$root/scripts/wine-env.sh"
    tav_ensure_wine
    trap tav_stop_started_wine EXIT
    for target in $wine_targets; do
        echo "== $target (under Wine)"
        TAV_DIST_DIR=$(printf 'Z:%s' "$out/dist/x64" | tr '/' '\\') \
            "$root/scripts/wine-run.sh" "$win/bench/wine/$target.exe" 2>&1 | tee -a "$log" || status=1
    done
else
    tail -n 40 "$dir/build-wine.log" >&2
    status=1
fi
# What is shipped: the size of each packaged program, and the real program's memory under Wine.
echo "== packages"
if "$root/scripts/dist.sh" >"$dir/dist.log" 2>&1; then
    for arch in x64 x86; do
        for file in Tavimoreth.exe TavimorethExt.dll; do
            bytes=$(stat -c %s "$out/rel-$arch/stage/Tavimoreth/$file")
            awk -v n="package_${arch}_$file" -v b="$bytes" \
                'BEGIN { printf "GOAL %s %.1f 2048 KB %s\n", n, b / 1024, (b <= 2048 * 1024 ? "PASS" : "MISS") }'
        done
    done | tee -a "$log"
    echo "== memory of the packaged program (under Wine)"
    "$root/scripts/bench-memory.sh" "$out/rel-x64/stage/Tavimoreth" 2>&1 | tee -a "$log" || status=1
else
    tail -n 40 "$dir/dist.log" >&2
    status=1
fi
echo "== goals"
grep -aoE 'GOAL [^ ]+ [^ ]+ [^ ]+ [^ ]+ (PASS|MISS)' "$log" || { echo "no GOAL lines" >&2; status=1; }
exit $status
