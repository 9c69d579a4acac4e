#!/usr/bin/env bash
# Screenshots of the add-item dialog filled in: plain, and with its key list dropped down.
# Usage: shot-additem.sh OUTPUT_FOLDER (run with the Wine environment of scripts/wine-env.sh).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${TAV_BUILD_ROOT:-$root/build}
shots=${1:?usage: shot-additem.sh OUTPUT_FOLDER}
source "$root/scripts/wine-env.sh"
tav_ensure_wine
mkdir -p "$shots"
program="$out/win64/tools/shots/additem_shot.exe"
source "$root/scripts/shot-lib.sh"

shoot additem-filled
shoot additem-keys --keys
