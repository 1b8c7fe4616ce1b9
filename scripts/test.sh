#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
bash scripts/build.sh build
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure --timeout 600

# Once more under AddressSanitizer and UndefinedBehaviorSanitizer, without the screens: the
# core tests, the short soak, the golden game, the crash tests and tk-sim.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTK_SANITIZE=ON -DTK_BUILD_UI=OFF
cmake --build build-asan --parallel "$(nproc)" --target core_tests sim_tests crash_tests save_loop_helper \
  tk-sim
ctest --test-dir build-asan --output-on-failure --timeout 900 -E '_NOT_BUILT$|^savetool'
