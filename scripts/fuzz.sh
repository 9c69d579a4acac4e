#!/usr/bin/env bash
# Runs every fuzz target of the native build for a bounded time each (FUZZ_SECONDS, default
# 60), keeping each target's corpus between runs. Every run also starts from the hand-made seed
# files in fuzz/corpus/<target> (read only: new inputs go to the build's corpus). Exits non-zero
# when any target found a fault.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${TAV_BUILD_ROOT:-$root/build}
seconds=${FUZZ_SECONDS:-60}

if [ ! -f "$out/native/build.ninja" ]; then
    cmake -S "$root" -B "$out/native" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DTAV_SANITIZE=ON >/dev/null
fi
targets=$(cmake --build "$out/native" --target help | sed -n 's/^\(fuzz_[A-Za-z0-9_]*\): .*/\1/p' | sort -u)
[ -n "$targets" ] || { echo "no fuzz targets" >&2; exit 1; }
cmake --build "$out/native" --target $targets -- -j"$(nproc)" >/dev/null

status=0
for target in $targets; do
    corpus="$out/fuzz-corpus/$target"
    artifacts="$out/fuzz-artifacts/$target/"
    mkdir -p "$corpus" "$artifacts"
    echo "== $target for ${seconds}s"
    seeds="$root/fuzz/corpus/$target"
    [ -d "$seeds" ] || { echo "$target: no seed corpus in $seeds" >&2; status=1; continue; }
    if "$out/native/fuzz/$target" -max_total_time="$seconds" -max_len=8192 -print_final_stats=1 \
        -artifact_prefix="$artifacts" "$corpus" "$seeds" 2>"$out/fuzz-artifacts/$target.log"; then
        grep -E '^stat::number_of_executed_units' "$out/fuzz-artifacts/$target.log" || true
    else
        echo "$target: fault found, see $out/fuzz-artifacts/$target.log and $artifacts" >&2
        tail -n 30 "$out/fuzz-artifacts/$target.log" >&2
        status=1
    fi
done
exit $status
