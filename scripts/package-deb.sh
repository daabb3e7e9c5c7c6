#!/usr/bin/env bash
# Builds the Debian package of the drill in its own build folder, with Debian's hardening flags and
# without the tests, and checks it with lintian, failing on any error or warning.
#   scripts/package-deb.sh      -> build-deb/conjugacio_<version>_<architecture>.deb
# Debian 12 or Ubuntu; run as root or with sudo available.
set -euo pipefail
cd "$(dirname "$0")/.."
started=$SECONDS

# dpkg-shlibdeps (dpkg-dev) and file compute the dependencies from the binary.
scripts/install-packages.sh \
  build-essential cmake pkg-config qt6-base-dev qt6-base-private-dev libgl-dev libxcb1-dev libxcb-shape0-dev libfontconfig-dev \
  dpkg-dev file lintian desktop-file-utils appstream man-db

build_dir=${DEB_BUILD_DIR:-build-deb}
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
# The same commit gives the same package, byte for byte, wherever it is checked out and built: every
# time in the package is the last commit's (CPack and Qt's resource compiler take it from
# SOURCE_DATE_EPOCH), and neither the checkout's path nor the build folder's is kept in the program,
# whose build-id would change with them.
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null || stat -c %Y packaging/debian/changelog)
fi
export SOURCE_DATE_EPOCH
path_maps="-ffile-prefix-map=$PWD=. -ffile-prefix-map=$(realpath -m "$build_dir")=."
cxx_flags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS) $path_maps"
linker_flags=$(dpkg-buildflags --get LDFLAGS)
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCONJUGACIO_TESTS=OFF \
  -DCMAKE_CXX_FLAGS="$cxx_flags" -DCMAKE_EXE_LINKER_FLAGS="$linker_flags" >/dev/null
# Without the xcb headers the build quietly leaves out what the windows do through X11 directly.
if ! grep -qx 'CONJUGACIO_X11:BOOL=ON' "$build_dir/CMakeCache.txt"; then
  echo "package-deb: the X11 parts would be left out (xcb and xcb-shape not found by pkg-config)" >&2
  exit 1
fi
if ! grep -qx 'CONJUGACIO_SCREEN_FIT:BOOL=ON' "$build_dir/CMakeCache.txt"; then
  echo "package-deb: the window would not fit small scaled screens (Qt's private headers not found)" >&2
  exit 1
fi
cmake --build "$build_dir" -j"$(nproc)"

rm -f "$build_dir"/*.deb
(cd "$build_dir" && cpack -G DEB)
deb=$(ls "$build_dir"/*.deb)

# Without X11, a Wayland session needs Qt's Wayland support.
if ! dpkg-deb -f "$deb" Recommends | grep -qw qt6-wayland; then
  echo "package-deb: $deb does not recommend qt6-wayland" >&2
  exit 1
fi

echo "lintian $deb:"
lintian --fail-on error,warning --display-info --pedantic --tag-display-limit 0 "$deb"
echo "package-deb: $deb passed lintian with no error or warning ($((SECONDS - started)) s)"
