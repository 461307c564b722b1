#!/bin/sh
# Installs what is needed, builds with warnings as errors and runs every test.
# TESSALINE_SANITIZE=ON builds with AddressSanitizer and UBSan.
set -eu
cd "$(dirname "$0")/.."
sh scripts/deps.sh
BUILD=${TESSALINE_BUILD_DIR:-build-test}
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTESSALINE_WERROR=ON \
    -DTESSALINE_SANITIZE="${TESSALINE_SANITIZE:-OFF}"
cmake --build "$BUILD" -j "$(nproc)"
ctest --test-dir "$BUILD" --output-on-failure -j "$(nproc)"
# The plain core again, cross-built for Windows and run under Wine.
sh scripts/test-windows.sh
