#!/usr/bin/env bash
# Installs the Debian packages the game needs to build, run and test, if any
# are missing. Runs apt-get as root, or through sudo.
set -euo pipefail

packages=(build-essential cmake pkg-config libsdl2-dev libsdl2-ttf-dev libsdl2-mixer-dev
          fonts-dejavu-core libgtest-dev libgmock-dev "$@")
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
if [ "$(id -u)" -ne 0 ]; then as_root=(sudo); fi
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
