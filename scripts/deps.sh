#!/usr/bin/env bash
# Installs the Debian 12 packages the program and its tests need (only the missing ones).
set -euo pipefail
# fonts-wqy-microhei: a font with Chinese characters, without which the Chinese texts show as boxes.
packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools libqt6serialport6-dev
          libgl-dev libgtest-dev libgmock-dev clang clang-format clang-tidy fonts-wqy-microhei)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
