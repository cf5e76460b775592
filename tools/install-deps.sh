#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Vemlo need,
# only those that are missing. Safe to run again.
set -euo pipefail
pkgs=(cmake ninja-build g++ clang libclang-rt-14-dev qt6-base-dev libgl-dev libgtest-dev libgmock-dev
      libbenchmark-dev xvfb xauth fonts-dejavu-core desktop-file-utils qt6-svg-dev)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
