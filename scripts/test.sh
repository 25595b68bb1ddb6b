#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test; then runs the random-input soak and the whole
# walkthrough and the closing of windows in every order once more built with AddressSanitizer and UBSan
# (the walkthrough with LeakSanitizer too).
# With --sanitize the whole suite runs in the sanitizer build instead.
set -euo pipefail
cd "$(dirname "$0")/.."
# The tests also fuzz the media loaders with clang's libFuzzer.
export EXTRA_PACKAGES="clang libclang-rt-14-dev"
sanitized=(-DCMAKE_BUILD_TYPE=Debug -DZUR_SANITIZE=ON)
if [ "${1:-}" = "--sanitize" ]; then
  scripts/setup.sh build-asan "${sanitized[@]}"
  cd build-asan && exec ctest --output-on-failure -j2
fi
scripts/setup.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo
(cd build && ctest --output-on-failure -j2)

cmake -S . -B build-asan -G Ninja "${sanitized[@]}" >/dev/null
cmake --build build-asan --target media test_soak test_walkthrough test_lifetimes
cd build-asan && ctest --output-on-failure -R '^(test_soak|test_walkthrough|test_lifetimes)$'
