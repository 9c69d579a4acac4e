#!/usr/bin/env bash
# Brings a fresh Debian 12 machine to the point where the project builds and its tests run:
# installs the packages it lacks, and cross-builds SQLite and minizip from Debian's own source
# packages into build/deps. Safe to run again; quick when nothing is missing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
deps="$root/build/deps"

packages=(g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix wine wine64 xvfb xdotool imagemagick
          cmake ninja-build g++ clang libclang-rt-14-dev googletest libgtest-dev libbenchmark-dev
          dpkg-dev tcl fonts-dejavu-core x11-utils locales fonts-wqy-microhei)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
    echo "bootstrap: installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

"$root/scripts/build-deps.sh" "$deps"
