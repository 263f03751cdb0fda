#!/usr/bin/env bash
# The one place with the Debian packages the pet needs. Installs what is
# missing (as root; otherwise prints the apt-get line), then configures and
# builds build/.
#
#   scripts/setup.sh run      building and running only; builds the program,
#                             its pictures and its manual page (all that
#                             `cmake --install build` needs)
#   scripts/setup.sh [test]   the tests' packages too; builds every suite
#   scripts/setup.sh deep     also clang and libFuzzer, for test.sh --deep
#   scripts/setup.sh package  what scripts/package.sh needs; builds nothing
#
# One build folder serves both run.sh and test.sh: run.sh makes it without
# the tests when it is new and leaves the tests on once test.sh has turned
# them on, so going from one to the other never rebuilds the program.
set -euo pipefail
cd "$(dirname "$0")/.."
mode=${1:-test}

build_packages=(
    build-essential cmake pkg-config ccache
    qt6-base-dev qt6-base-dev-tools libgl-dev
    qt6-tools-dev qt6-l10n-tools
    libgif-dev libcanberra-dev
    fonts-dejavu-core fonts-dejavu-extra
)
package_packages=(dpkg-dev git)
test_packages=(
    xvfb xdotool x11-utils imagemagick
    python3 python3-xlib python3-pil python3-pyatspi at-spi2-core dbus-daemon
    orca speech-dispatcher openbox libglib2.0-bin
    appstream desktop-file-utils acl lintian devscripts
    weston qt6-wayland qt6-translations-l10n strace
    "${package_packages[@]}"
)
deep_packages=(clang libclang-rt-14-dev)

case $mode in
    run) packages=("${build_packages[@]}") ;;
    package) packages=("${build_packages[@]}" "${package_packages[@]}") ;;
    test) packages=("${build_packages[@]}" "${test_packages[@]}") ;;
    deep) packages=("${build_packages[@]}" "${test_packages[@]}" "${deep_packages[@]}") ;;
    *) echo "usage: $0 [run|test|deep|package]" >&2; exit 2 ;;
esac

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

# A compiler cache, where there is one, keeps build/'s compiled sources from
# one build to the next, and lets another checkout of the sources (a clone, a
# worktree) reuse them, because the paths it hashes are taken relative to the
# sources. It is taken up by a build folder's first configure. build-package/
# never shares it: Debian's hardened flags make other objects.
if command -v ccache >/dev/null; then
    export CMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER-ccache}
    export CCACHE_BASEDIR=${CCACHE_BASEDIR-$PWD}
fi

case $mode in
    package) ;;
    run)
        if [ -f build/CMakeCache.txt ]; then
            cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
        else
            cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
        fi
        cmake --build build --target pet default_pet manual --parallel "$(nproc)"
        ;;
    *)
        # The benchmarks are built too, so that they keep building; bench/run.sh runs them.
        cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON -DPET_BENCHMARKS=ON
        cmake --build build --parallel "$(nproc)"
        ;;
esac
