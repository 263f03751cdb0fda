#!/usr/bin/env bash
# Builds the Debian package a second time, later, from a copy of the sources in
# another folder and without the compiler cache, which would otherwise hand
# back the first build's objects; the package check compares the two .deb
# files byte for byte.
#
#   package_copy.sh SOURCES OUT    the .deb lands in OUT
set -euo pipefail
sources=$(realpath "$1")
out=$(realpath -m "$2")
copy=$(mktemp -d "${TMPDIR:-/tmp}/pet-copy.XXXXXXXX")
trap 'rm -rf "$copy"' EXIT

# The files git knows of, as they are in the working tree; the time stamps
# come from the commit the copy cannot see.
export SOURCE_DATE_EPOCH=$(git -C "$sources" log -1 --format=%ct)
git -C "$sources" ls-files -z --cached --others --exclude-standard |
    (cd "$sources" && tar --null --no-recursion -T - -cf -) | (cd "$copy" && tar -xf -)
CCACHE_DISABLE=1 "$copy/scripts/package.sh" "$copy/another-build"
mkdir -p "$out"
rm -f "$out"/*.deb
mv "$copy/another-build"/*.deb "$out/"
