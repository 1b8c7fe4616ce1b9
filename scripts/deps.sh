#!/usr/bin/env bash
# Installs the Debian packages the game and its tests need, only those that are missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang-format
  qt6-base-dev qt6-base-dev-tools libgl1-mesa-dev qt6-translations-l10n
  libqt6sql6-sqlite qt6-charts-dev libqt6opengl6-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-noto-cjk libharfbuzz-dev
  xvfb xauth xdotool x11-utils libx11-dev
  openbox weston qt6-wayland imagemagick
  python3-pyatspi at-spi2-core dbus dbus-x11
  dpkg-dev file appstream desktop-file-utils time
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -q
  $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
