#!/bin/sh
# Builds the Windows program with MinGW-w64: tessaline.exe, Release, linked
# statically (one file, no DLL beside it) and stripped, into out/windows/.
# TESSALINE_WINDOWS_RELEASE_DIR names its build folder (default
# build-windows-release).
set -eu
cd "$(dirname "$0")/.."
sh scripts/install-packages.sh cmake ninja-build g++-mingw-w64-x86-64-posix

BUILD=${TESSALINE_WINDOWS_RELEASE_DIR:-build-windows-release}
cmake -S . -B "$BUILD" -G Ninja --toolchain cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release \
    -DTESSALINE_BUILD_GUI=OFF -DTESSALINE_BUILD_TESTS=OFF -DTESSALINE_BUILD_BENCH=OFF >/dev/null
cmake --build "$BUILD" --target tessaline
mkdir -p out/windows
x86_64-w64-mingw32-strip -o out/windows/tessaline.exe "$BUILD/tessaline.exe"
echo "out/windows/tessaline.exe: $(wc -c <out/windows/tessaline.exe) bytes"
