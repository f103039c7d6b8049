#!/usr/bin/env bash
# Sets up the machine and builds the Debian package dialstack_VERSION_amd64.deb
# from a Release build with Debian's hardening flags.
# Usage: package.sh [BUILD_DIR]   (default: build-package; the package lands there)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-$root/build-package}

"$root/scripts/setup.sh"

# The flags every Debian package is built with (fortified functions, stack
# protector, read-only relocations, immediate binding).
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)
"$root/scripts/build.sh" "$dir" -DCMAKE_BUILD_TYPE=Release -DDIALSTACK_BUILD_TESTS=OFF \
  -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags"

rm -f "$dir"/dialstack_*.deb
(cd "$dir" && cpack -G DEB >/dev/null)
ls "$dir"/dialstack_*.deb
