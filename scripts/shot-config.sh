#!/usr/bin/env bash
# Screenshots of the configuration window (items shown, key list open, a composed item shown),
# both item dialogs and the batch replace settings.
# Usage: shot-config.sh OUTPUT_FOLDER (run with the Wine environment of scripts/wine-env.sh).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${TAV_BUILD_ROOT:-$root/build}
shots=${1:?usage: shot-config.sh OUTPUT_FOLDER}
source "$root/scripts/wine-env.sh"
tav_ensure_wine
mkdir -p "$shots"
program="$out/win64/tools/shots/config_shot.exe"
source "$root/scripts/shot-lib.sh"

shoot config
shoot config-keys --keys
shoot config-composed --composed
shoot config-hidden --hidden
shoot config-iteminfo --info
shoot config-clipitem --clip
shoot config-replace --replace
