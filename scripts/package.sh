#!/usr/bin/env bash
# Builds the Debian package: a Release build in build-package/ (or the folder
# given) that keeps each user's pet in the user's own data folder, packed by
# CPack into one .deb there.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-package}

scripts/setup.sh package

# A compiler cache, where there is one, lets build/ and build-package/ share
# their compiled sources; it is taken up by a build folder's first configure.
if command -v ccache >/dev/null; then
    export CMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER-ccache}
    export CCACHE_BASEDIR=${CCACHE_BASEDIR-$PWD}
fi
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DPET_BENCHMARKS=OFF \
    -DPET_PER_USER_PET=ON -DCMAKE_INSTALL_PREFIX=/usr
cmake --build "$build" --parallel "$(nproc)"
rm -f "$build"/*.deb
(cd "$build" && cpack -G DEB)
ls "$build"/*.deb
