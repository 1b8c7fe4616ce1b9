#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
bash scripts/check-format.sh
bash scripts/build.sh build
export QT_QPA_PLATFORM=offscreen
# Several at a time (the tests that drive a real X server or install the package run alone).
ctest --test-dir build --output-on-failure --timeout 600 --parallel "$(nproc)"

# Once more under AddressSanitizer and UndefinedBehaviorSanitizer, without the screens: the
# core tests, the short soak, the golden game, the crash tests and tk-sim.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" -DTK_SANITIZE=ON -DTK_BUILD_UI=OFF
cmake --build build-asan --parallel "$(nproc)" --target core_tests sim_tests crash_tests save_loop_helper \
  tk-sim
ctest --test-dir build-asan --output-on-failure --timeout 900 --parallel "$(nproc)" -E '_NOT_BUILT$|^savetool'
