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
# The run shares one server across its tests and stops what it started when it ends.
trap tav_stop_started_wine EXIT
# The test programs' windows are not handed to a window manager: with none on the display,
# Wine would wait two seconds for one whenever a window is hidden or destroyed. The program
# itself stays managed, as on a desktop, for the end-to-end tests.
reg_file="$out/wine/unmanaged-tests.reg"
{
    printf 'REGEDIT4\r\n'
    for program in "$out"/win64/tests/*_test.exe; do
        printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\AppDefaults\\%s\\X11 Driver]\r\n"Managed"="N"\r\n' \
            "$(basename "$program")"
    done
} >"$reg_file"
"$TAV_WINE" reg import "$(printf 'Z:%s' "$reg_file" | tr '/' '\\')" </dev/null >/dev/null 2>&1 || true
"$TAV_WINE" "$out/win64/tests/idle.exe" </dev/null >/dev/null 2>&1 &
idle=$!
trap 'kill $idle 2>/dev/null || true; tav_stop_started_wine' EXIT
sleep 1
# One retry: now and then a Wine process dies at start, before the test's first line. A test
# that fails twice fails the run.
ctest --test-dir "$out/win64" --output-on-failure --timeout 300 --repeat until-pass:2 || status=1
exit $status
