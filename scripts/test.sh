#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test. With --sanitize the build and the tests use
# AddressSanitizer and UndefinedBehaviorSanitizer (in a build folder of their own).
set -euo pipefail
cd "$(dirname "$0")/.."
# The tests also fuzz the media loaders with clang's libFuzzer.
export EXTRA_PACKAGES="clang libclang-rt-14-dev"
if [ "${1:-}" = "--sanitize" ]; then
  scripts/setup.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DZUR_SANITIZE=ON
  cd build-asan
else
  scripts/setup.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo
  cd build
fi
ctest --output-on-failure -j2
