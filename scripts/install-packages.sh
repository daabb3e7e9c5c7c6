#!/usr/bin/env bash
# Installs those of the named Debian packages that this machine lacks.
#   scripts/install-packages.sh package...
# Debian 12 or Ubuntu; run as root or with sudo available. Waits for another apt or dpkg to finish.
set -euo pipefail

missing=()
for p in "$@"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  as_root=()
  [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  apt=(apt-get -o DPkg::Lock::Timeout=900)
  "${as_root[@]}" "${apt[@]}" update -q
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" "${apt[@]}" install -y -q --no-install-recommends "${missing[@]}"
fi
