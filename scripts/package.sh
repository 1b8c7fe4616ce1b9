#!/usr/bin/env bash
# Installs what is missing, builds the game, makes its Debian package (build/package) and
# installs it with apt-get: テニス監督 then starts from the desktop menu.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
bash scripts/build.sh build
rm -rf build/package
cpack -G DEB --config build/CPackConfig.cmake -B build/package
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
$sudo apt-get install -y ./build/package/tennis-kantoku_*.deb
echo "Installed: start テニス監督 from the menu, or tennis-kantoku; remove with: apt-get remove tennis-kantoku"
