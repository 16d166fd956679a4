#!/usr/bin/env bash
# Installs what the build needs (Debian 12, as root) and builds the program,
# its tests and benchmarks into ./build.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake make g++ qt6-base-dev libqt6sql6-sqlite libgl-dev fonts-dejavu-core fonts-liberation2 fonts-wine xvfb xauth)
missing=()
for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
