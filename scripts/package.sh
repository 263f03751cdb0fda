#!/usr/bin/env bash
# Builds the Debian package: a Release build with Debian's compiler and linker
# flags in build-package/ (or the folder given), laid out as Debian lays out a
# game and keeping each user's pet in the user's own data folder, packed by
# dpkg-deb into one .deb there. The same sources give the same bytes in any
# folder at any time.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath -m "${1:-build-package}")

scripts/setup.sh package

# Every time stamp in the package is the last commit's; a copy of the sources
# without their history passes the time in SOURCE_DATE_EPOCH itself.
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}

# Debian's flags with all its hardening. dpkg-buildflags maps the sources'
# folder to "." and the build folder is mapped after it, so that neither
# folder's path reaches the program.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
eval "$(dpkg-buildflags --export=sh)"
cxxflags="$CPPFLAGS $CXXFLAGS -ffile-prefix-map=$build=build"

# A compiler cache, where there is one, keeps the compiled sources from one
# package build to the next; it is taken up by a build folder's first configure.
# Without a base folder: that would make the sources' paths relative, which the
# debug information and so the program's build id would keep.
if command -v ccache >/dev/null; then
    export CMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER-ccache}
fi
export CCACHE_BASEDIR=
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DPET_BENCHMARKS=OFF \
    -DPET_PER_USER_PET=ON -DCMAKE_INSTALL_PREFIX=/usr -DPET_INSTALL_LAUNCHER_DIR=games \
    -DPET_INSTALL_PROGRAM_DIR=libexec/pitomets -DPET_INSTALL_DATA_DIR=share/games/pitomets \
    "-DCMAKE_CXX_FLAGS=$cxxflags" "-DCMAKE_EXE_LINKER_FLAGS=$LDFLAGS"
cmake --build "$build" --parallel "$(nproc)"

# The package's files, where dpkg-shlibdeps looks for a package's programs,
# with the permissions and times they should have whatever the umask and clock.
work=$build/deb
root=$work/debian/pitomets
rm -rf "$work"
mkdir -p "$root/DEBIAN"
DESTDIR=$root cmake --install "$build" >/dev/null
program=$root/usr/libexec/pitomets/pet
strip --remove-section=.comment --remove-section=.note --strip-unneeded "$program"
chmod -R u=rwX,go=rX "$root"
(cd "$root" && find usr -type f -print0 | LC_ALL=C sort -z | xargs -0 md5sum) >"$root/DEBIAN/md5sums"

# The control fields (control.in recommends Qt's Wayland platform: without
# it a Wayland desktop shows the window through XWayland, blurred where the
# screen is scaled; and Qt's own translations, for the texts Qt draws in a
# language the program is translated into): the libraries the program links, and the fonts its
# labels and message boxes are drawn in (without DejaVu Sans Condensed the
# captions run into their values).
touch "$work/debian/control"
shlibs=$(cd "$work" && dpkg-shlibdeps -O "${program#"$work"/}" | sed -n 's/^shlibs:Depends=//p')
architecture=$(dpkg --print-architecture)
installed_size=$(find "$root/usr" -printf '%y %s\n' |
    awk '$1 == "f" { kib += int(($2 + 1023) / 1024) } $1 != "f" { kib += 1 } END { print kib }')
sed -e "s/\${Architecture}/$architecture/" -e "s/\${Installed-Size}/$installed_size/" \
    -e "s/\${Depends}/$shlibs, fonts-dejavu-core, fonts-dejavu-extra/" \
    "$build/desktop/control" >"$root/DEBIAN/control"
chmod 644 "$root/DEBIAN/control" "$root/DEBIAN/md5sums"
find "$root" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +

version=$(sed -n 's/^Version: //p' "$root/DEBIAN/control")
rm -f "$build"/*.deb
dpkg-deb --root-owner-group --build "$root" "$build/pitomets_${version}_$architecture.deb"
