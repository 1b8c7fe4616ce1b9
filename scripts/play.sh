#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it on the title screen.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
bash scripts/build.sh build
exec ./build/app/tennis-kantoku
