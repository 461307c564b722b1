#!/bin/sh
# Builds the Windows download with MinGW-w64 into out/windows/: tessaline.exe
# (Release, linked statically: one file, no DLL beside it; stripped), the zip
# Tessaline-<version>-windows-x64.zip of it with a readme, and the installer
# Tessaline-<version>-setup.exe (NSIS). TESSALINE_WINDOWS_RELEASE_DIR names its
# build folder (default build-windows-release).
set -eu
cd "$(dirname "$0")/.."
sh scripts/install-packages.sh cmake ninja-build g++-mingw-w64-x86-64-posix zip nsis

BUILD=${TESSALINE_WINDOWS_RELEASE_DIR:-build-windows-release}
cmake -S . -B "$BUILD" -G Ninja --toolchain cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release \
    -DTESSALINE_BUILD_GUI=OFF -DTESSALINE_BUILD_TESTS=OFF -DTESSALINE_BUILD_BENCH=OFF >/dev/null
cmake --build "$BUILD" --target windows_download >/dev/null
mkdir -p out/windows
for file in "$BUILD"/download/*; do
    cp "$file" out/windows/
    echo "out/windows/$(basename "$file"): $(wc -c <"$file") bytes"
done
