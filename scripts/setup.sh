#!/usr/bin/env bash
# Installs whatever the drill and its tests need that this machine lacks, then builds.
# Debian 12 or Ubuntu; run as root or with sudo available.
set -euo pipefail

cd "$(dirname "$0")/.."

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-qpa-plugins libgl-dev libxcb1-dev libxcb-shape0-dev
  libgtest-dev libbenchmark-dev
  fonts-liberation2 fonts-comic-neue fonts-dejavu-core
  apertium-spa-cat apertium-cat-ita apertium-fra-cat apertium-eng-cat lttoolbox
  hunspell hunspell-ca
  xvfb openbox libxcb-xtest0-dev x11proto-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  as_root=()
  [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  "${as_root[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

build_dir=${BUILD_DIR:-build}
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build_dir" -j"$(nproc)"
