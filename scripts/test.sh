#!/usr/bin/env bash
# Runs every test: the native core tests (with sanitizers, and short fuzz runs), then the
# Windows tests under Wine in Xvfb. The Wine run comes last so ctest's summary ends the output.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${TAV_BUILD_ROOT:-$root/build}
source "$root/scripts/wine-env.sh"

status=0
echo "== native tests"
ctest --test-dir "$out/native" --output-on-failure -j"$(nproc)" --timeout 300 || status=1

echo "== Windows tests under Wine"
tav_ensure_wine
"$TAV_WINE" "$out/win64/tests/idle.exe" </dev/null >/dev/null 2>&1 &
idle=$!
trap 'kill $idle 2>/dev/null || true' EXIT
sleep 1
ctest --test-dir "$out/win64" --output-on-failure --timeout 300 || status=1
exit $status
