#!/usr/bin/env bash
# Shared by run.sh and test.sh: installs the Debian packages the build and the
# tests need (as root), then configures and builds the Release tree in build/.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libgif-dev libcanberra-dev
    fonts-dejavu-core fonts-dejavu-extra
    xvfb xdotool x11-utils imagemagick
    clang libclang-rt-14-dev
    python3 python3-xlib python3-pil python3-pyatspi at-spi2-core dbus-daemon
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    if [ "$(id -u)" -eq 0 ]; then
        export DEBIAN_FRONTEND=noninteractive
        apt-get update
        apt-get install -y --no-install-recommends "${missing[@]}"
    else
        echo "Не хватает пакетов. Установите их командой:"
        echo "sudo apt-get install -y --no-install-recommends ${missing[*]}"
        exit 1
    fi
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build --parallel "$(nproc)"
