#!/usr/bin/env bash
# Installs whatever the drill and its tests need that this machine lacks, then builds.
# Debian 12 or Ubuntu; run as root or with sudo available.
set -euo pipefail

cd "$(dirname "$0")/.."

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-private-dev qt6-qpa-plugins libgl-dev libxcb1-dev libxcb-shape0-dev
  libxcb-damage0-dev libfontconfig-dev
  libgtest-dev libbenchmark-dev
  fonts-liberation2 fonts-comic-neue fonts-dejavu-core
  apertium-spa-cat apertium-cat-ita apertium-fra-cat apertium-eng-cat lttoolbox
  hunspell hunspell-ca
  desktop-file-utils appstream man-db
  xvfb openbox fluxbox xcompmgr libxcb-xtest0-dev x11proto-dev
  dbus-daemon at-spi2-core
  clang-format
)

scripts/install-packages.sh "${packages[@]}"

build_dir=${BUILD_DIR:-build}
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build_dir" -j"$(nproc)"
