#!/usr/bin/env bash
# The Windows program's figures in one run: the size of tessaline.exe and its
# start-up under Wine, each against an empty Win32 window (bench/win32)
# built the same way (Release, static, stripped), and its battery history
# window on a large log against reading that file; then the rows that README's
# table shows.
#
#   bash bench/run-windows.sh [<build folder>]
#
# The build folder (default build-bench-windows) is a MinGW-w64 Release build.
# Needs MinGW-w64, Wine and Xvfb (sh scripts/test-windows.sh installs them).
# The start-up is timed inside Wine by bench/win32/first_window.cpp, from the
# creation of the process to its first shown window, on a Wine desktop with a
# taskbar as the end-to-end run has; run it on a quiet machine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-bench-windows}
runs=${BENCH_RUNS:-11}

cmake -S "$root" -B "$build" -G Ninja --toolchain "$root/cmake/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DTESSALINE_BUILD_GUI=OFF -DTESSALINE_BUILD_TESTS=OFF \
    -DTESSALINE_BUILD_BENCH=ON >/dev/null
cmake --build "$build" --target tessaline empty_window_win32 first_window_win32 \
    history_window_win32 >/dev/null

work=$(mktemp -d "${TMPDIR:-/tmp}/tessaline-bench-windows-XXXXXX")
xvfb=
cleanup() {
    WINEPREFIX="$work/prefix" wineserver -k 2>/dev/null || true
    WINEPREFIX="$work/prefix" wineserver -w 2>/dev/null || true
    if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work/program" "$work/anchor"
x86_64-w64-mingw32-strip -o "$work/program/tessaline.exe" "$build/tessaline.exe"
x86_64-w64-mingw32-strip -o "$work/anchor/empty_window.exe" "$build/bench/empty_window_win32.exe"
cp "$build/bench/first_window_win32.exe" "$work/first_window.exe"

heading() { printf '\n== %s\n' "$*"; }
machine="$(nproc) × $(awk -F': ' '/^model name/ { print $2; exit }' /proc/cpuinfo), $(
    . /etc/os-release && echo "$PRETTY_NAME"), Linux $(uname -r), $(wine --version 2>/dev/null)"
heading "machine: $machine"

heading "size, stripped"
program_bytes=$(wc -c <"$work/program/tessaline.exe")
anchor_bytes=$(wc -c <"$work/anchor/empty_window.exe")
echo "tessaline.exe: $program_bytes bytes; empty_window.exe: $anchor_bytes bytes"

heading "start-up to the first shown window under Wine (bench/win32/first_window)"
: >"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "bench: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(cat "$work/display")" WINEPREFIX="$work/prefix" WINEDEBUG=-all
export LANG=C.UTF-8 LC_ALL=C.UTF-8
unset WAYLAND_DISPLAY
wineboot -i >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d shell /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v shell /d 1000x700 /f >/dev/null 2>&1
windows_path() { printf 'Z:%s\n' "${1//\//\\}"; }
echo "tessaline.exe:"
wine "$work/first_window.exe" "$(windows_path "$work/program/tessaline.exe")" "$runs" 2>/dev/null |
    tee "$work/start_program.txt"
echo "empty_window.exe:"
wine "$work/first_window.exe" "$(windows_path "$work/anchor/empty_window.exe")" "$runs" 2>/dev/null |
    tee "$work/start_anchor.txt"
heading "the battery history window on a log of 1,000,000 entries (bench/win32/history_window)"
wine "$build/bench/history_window_win32.exe" 1000000 5 2>/dev/null | tr -d '\r' | tee "$work/history.txt"
# history <start of a line>: the figure of that line of its output.
history() {
    awk -v what="$1" 'index($0, what) == 1 { print (($NF == "ms" || $NF == "MB") ? $(NF - 1) : $NF) }' \
        "$work/history.txt"
}

start_program=$(awk '/^median/ { print $2 }' "$work/start_program.txt")
start_anchor=$(awk '/^median/ { print $2 }' "$work/start_anchor.txt")

# Two significant digits, and whole numbers from 10 on (no exponent).
ratio() {
    awk -v a="$1" -v b="$2" 'BEGIN {
        if (b <= 0) print "?"; else if (a / b >= 10) printf "%.0f ×", a / b; else printf "%.2g ×", a / b }'
}
kb() { awk -v b="$1" 'BEGIN { printf "%.0f kB", b / 1024 }'; }

heading "the rows (README, Performance)"
cat <<ROWS
| Windows: size of tessaline.exe (Release, static, stripped) | $(kb "$program_bytes") | empty Win32 window, built the same: $(kb "$anchor_bytes") | $(ratio "$program_bytes" "$anchor_bytes") |
| Windows: start-up to the first shown window under Wine (process creation to shown) | $start_program ms | empty Win32 window: $start_anchor ms | $(ratio "$start_program" "$start_anchor") |
| Windows: battery history window, a 1,000,000-entry log opened, read a slice per event, laid out and painted under Wine | $(history "open into") ms | the file read whole: $(history "the same file") ms | $(ratio "$(history "open into")" "$(history "the same file")") |
| Windows: battery history window, the longest pass of the message loop while that log is read | $(history "longest pass") ms | limit 50 ms | $(ratio "$(history "longest pass")" 50) |
| Windows: battery history window, redraw at a new width, whole log | $(history "  all") ms | limit 50 ms | $(ratio "$(history "  all")" 50) |
| Windows: battery history window, memory at the peak of the open | $(history "memory at the peak") MB | limit 64 MB | $(ratio "$(history "memory at the peak")" 64) |
| Windows: battery history window, a new entry taken into the open window | $(history "new entry taken into the open window, median") ms | limit 1 ms | $(ratio "$(history "new entry taken into the open window, median")" 1) |

Machine: $machine.
ROWS
