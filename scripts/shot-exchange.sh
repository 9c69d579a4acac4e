#!/usr/bin/env bash
# Screenshots of the export and import window: an export with a catalog copied to the file's
# side, and an import with a sample exchange file loaded.
# Usage: shot-exchange.sh OUTPUT_FOLDER (run with the Wine environment of scripts/wine-env.sh).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${TAV_BUILD_ROOT:-$root/build}
shots=${1:?usage: shot-exchange.sh OUTPUT_FOLDER}
source "$root/scripts/wine-env.sh"
tav_ensure_wine
mkdir -p "$shots"
program="$out/win64/tools/shots/exchange_shot.exe"
source "$root/scripts/shot-lib.sh"

shoot exchange-export
shoot exchange-import --import
