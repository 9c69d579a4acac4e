#!/usr/bin/env bash
# Runs one Windows program of the project under Wine: `wine-run.sh PROGRAM.exe ARGS...`.
# Also the cross-compiling emulator of the win64 build, so ctest runs test programs through it.
set -euo pipefail
trap 'echo "wine-run: the Wine set-up failed" >&2' ERR
source "$(dirname "$0")/wine-env.sh"
tav_ensure_wine
exec "$TAV_WINE" "$@"
