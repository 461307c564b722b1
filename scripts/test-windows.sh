#!/bin/sh
# Cross-builds the Windows program, tessaline.exe (the plain core with the
# Windows services and the native Win32 window), and all its tests with
# MinGW-w64 and runs them under Wine, in a fresh Wine prefix that is removed at
# the end; the end-to-end run (tests/e2e-wine) drives the program on a Wine
# desktop of its own, and makes the Windows download from it (the zip and the
# installer, with zip and NSIS) and installs and removes it there. Wine takes
# its ANSI code page from the Unix locale: the tests' locales (English, and
# Greek for the code-page tests) are generated into the build folder, so that
# the system's locales stay as they are.
set -eu
cd "$(dirname "$0")/.."
PACKAGES="cmake ninja-build googletest g++-mingw-w64-x86-64-posix wine wine64 fonts-wine xvfb locales
    xdotool imagemagick zip nsis"
# shellcheck disable=SC2086
sh scripts/install-packages.sh $PACKAGES

BUILD=${TESSALINE_WINDOWS_BUILD_DIR:-build-test-windows}
WORK=$(mktemp -d "${TMPDIR:-/tmp}/tessaline-wine.XXXXXX")
XVFB=
stop_wine() {
    wineserver -k 2>/dev/null || true
    timeout -k 5 60 wineserver -w 2>/dev/null || true
    if [ -n "$XVFB" ]; then kill "$XVFB" 2>/dev/null || true; fi
    rm -rf "$WORK"
}
trap stop_wine EXIT
trap 'exit 1' INT TERM HUP

# The tray shell needs a taskbar, which Wine gives it on an X display.
Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 3>"$WORK/display" >/dev/null 2>&1 &
XVFB=$!
started=$(date +%s)
until [ -s "$WORK/display" ]; do
    if [ $(($(date +%s) - started)) -gt 30 ] || ! kill -0 "$XVFB" 2>/dev/null; then
        echo "Xvfb did not start" >&2
        exit 1
    fi
    sleep 0.1
done
DISPLAY=:$(cat "$WORK/display")
export DISPLAY
unset WAYLAND_DISPLAY

export WINEPREFIX="$WORK/prefix" WINEDEBUG=-all
mkdir "$WINEPREFIX"
# The server and the prefix come first, so that Wine's background processes do
# not start from (and hold open) the output pipes of the build or of ctest.
wineserver -p
timeout -k 5 300 wineboot -i >/dev/null 2>&1

for locale in en_US.UTF-8 el_GR.ISO-8859-7; do
    [ -d "$BUILD/locale/$locale" ] && continue
    mkdir -p "$BUILD/locale"
    localedef -i "${locale%%.*}" -f "${locale#*.}" "$BUILD/locale/$locale"
done

cmake -S . -B "$BUILD" -G Ninja --toolchain cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Debug \
    -DTESSALINE_WERROR=ON -DTESSALINE_BUILD_GUI=OFF -DTESSALINE_BUILD_BENCH=OFF \
    -DTESSALINE_GTEST_SOURCE=/usr/src/googletest
cmake --build "$BUILD" -j "$(nproc)"
ctest --test-dir "$BUILD" --output-on-failure -j "$(nproc)"
