#!/usr/bin/env bash
# The performance record in one run: every figure against its anchor, then the
# table that README shows, with the machine it came from.
#
#   bash bench/run.sh [<build folder>]
#
# The build folder (default build-bench) is configured as a Release build when
# it has none, and the programs are built. Needs Xvfb for the start-up figure
# and the desktop tools of tests/e2e for the soak (sh scripts/deps.sh). Run it on
# a quiet machine: the figures are wall-clock times. BENCH_SOAK_MINUTES (default
# 1) sets the length of the soak that the CPU figure comes from.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-bench}
soak_minutes=${BENCH_SOAK_MINUTES:-1}

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
if grep -q '^TESSALINE_SANITIZE:BOOL=ON' "$build/CMakeCache.txt" ||
    ! grep -q '^CMAKE_BUILD_TYPE:STRING=Release' "$build/CMakeCache.txt"; then
    echo "bench: $build is not a plain Release build; its figures would not be the program's" >&2
    exit 2
fi
cmake --build "$build" -j "$(nproc)" --target tessaline entry_cost log_list_bench empty_window \
    first_window copy_log_bench history_bench history_window_bench health_bench >/dev/null

work=$(mktemp -d "${TMPDIR:-/tmp}/tessaline-bench-XXXXXX")
xvfb=
cleanup() {
    if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT

heading() { printf '\n== %s\n' "$*"; }

# value <file> <section header text> <row label>: the first number of the row
# with that label in the section that starts with the header.
value() {
    awk -v header="$2" -v label="$3" '
        index($0, header) == 1 { inside = 1; next }
        /^[^ ]/ { inside = 0 }
        inside && index($0, label) { for (i = 1; i <= NF; i++) if ($i ~ /^[0-9.]+$/) { print $i; exit } }
    ' "$1"
}

# field <file> <label>: the first number on the line that begins with the label.
field() {
    awk -v label="$2" 'index($0, label) == 1 {
        for (i = 1; i <= NF; i++) if ($i ~ /^[0-9.]+$/) { print $i; exit } }' "$1"
}

machine="$(nproc) × $(awk -F': ' '/^model name/ { print $2; exit }' /proc/cpuinfo), $(
    . /etc/os-release && echo "$PRETTY_NAME"), Linux $(uname -r)"
heading "machine: $machine"

heading "cost per entry (bench/entry_cost, files in $work)"
"$build/bench/entry_cost" "$work" 1000 | tee "$work/entry_cost.txt"

heading "log list at 1,000,000 rows (bench/log_list_bench)"
"$build/bench/log_list_bench" 1000000 5000 | tee "$work/log_list.txt"

heading "start-up to the first shown window, on a bare Xvfb (bench/first_window)"
: >"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "bench: Xvfb did not start" >&2; exit 1; }
mkdir -p "$work/home/config" "$work/home/temp" "$work/home/supply"
(
    DISPLAY=":$(cat "$work/display")"
    export DISPLAY QT_QPA_PLATFORM=xcb HOME="$work/home"
    export XDG_CONFIG_HOME="$work/home/config" TEMP="$work/home/temp"
    export TESSALINE_POWER_SUPPLY_DIR="$work/home/supply"
    echo "tessaline:"
    "$build/bench/first_window" 11 Tessaline "$build/tessaline" | tee "$work/start_tessaline.txt"
    echo "empty QWidget (bench/empty_window):"
    "$build/bench/first_window" 11 Empty "$build/bench/empty_window" | tee "$work/start_empty.txt"
) 2>/dev/null

heading "Copy Log of a 100 MB log (bench/copy_log_bench)"
"$build/bench/copy_log_bench" 100 5 2>/dev/null | tee "$work/copy.txt"

heading "battery history of a 1,000,000-entry log (bench/history_bench)"
"$build/bench/history_bench" 1000000 5 | tee "$work/history.txt"

heading "the battery history window on that log, painted offscreen (bench/history_window_bench)"
"$build/bench/history_window_bench" 1000000 5 2>/dev/null | tee "$work/history_window.txt"

heading "the health ledger's daily sample (bench/health_bench, files in $work)"
"$build/bench/health_bench" "$work" 1000 | tee "$work/health.txt"

heading "CPU of logging every second, hidden in the tray ($soak_minutes min soak, tests/soak)"
bash "$root/tests/soak/soak.sh" "$build/tessaline" "$soak_minutes" "$work/soak" 2>&1 |
    grep 'soak:' || { echo "bench: the soak run failed" >&2; exit 1; }
soak="$work/soak/case_soak/figures.txt"

bare=$(field "$work/entry_cost.txt" "bare open+write+fdatasync+close")
entry=$(field "$work/entry_cost.txt" "whole entry (sample, line, durable)")
list_append=$(value "$work/log_list.txt" "LogList, 1000000 rows" "append + event loop pass, median")
plain_append=$(value "$work/log_list.txt" "QListView (uniform item sizes) over QStringListModel, 1000000 rows" \
    "append + scrollToBottom + event loop pass, median")
list_bytes=$(value "$work/log_list.txt" "LogList, 1000000 rows" "resident memory growth per row")
plain_bytes=$(value "$work/log_list.txt" "QListView (uniform item sizes) over QStringListModel, 1000000 rows" \
    "resident memory growth per row")
line_bytes=$(value "$work/log_list.txt" "LogList, 1000000 rows" "mean entry length")
start_tessaline=$(field "$work/start_tessaline.txt" "median")
start_empty=$(field "$work/start_empty.txt" "median")
copy=$(field "$work/copy.txt" "Copy Log To Clipboard")
cat_ms=$(field "$work/copy.txt" "cat of the same file")
copy_peak=$(field "$work/copy.txt" "Copy Log's peak of resident memory")
cat_peak=$(field "$work/copy.txt" "cat's peak of resident memory")
copy_text=$(field "$work/copy.txt" "the text on the clipboard")
copy_held=$(field "$work/copy.txt" "resident after another program took the clipboard")
history_open=$(field "$work/history.txt" "open into the model")
history_cat=$(field "$work/history.txt" "cat of the same file")
history_mb=$(awk '/^log of/ { print $5; exit }' "$work/history.txt")
short_open=$(field "$work/history.txt" "open into the model, short sessions")
short_cat=$(field "$work/history.txt" "cat of that file")
short_mb=$(awk '/short sessions,/ { print $8; exit }' "$work/history.txt")
window_open=$(field "$work/history_window.txt" "open into the shown window")
window_cat=$(field "$work/history_window.txt" "cat of the same file")
window_size=$(awk '/^log of/ { print $(NF - 2) " × " $NF; exit }' "$work/history_window.txt")
window_redraw=$(field "$work/history_window.txt" "  all")
window_pass=$(field "$work/history_window.txt" "longest pass of the event loop")
window_peak=$(field "$work/history_window.txt" "memory at the peak of the open")
window_update=$(field "$work/history_window.txt" "new entry taken into the open window, median")
window_update_p99=$(field "$work/history_window.txt" "new entry taken into the open window, 99th")
window_paint_week=$(field "$work/history_window.txt" "new entry with the repaint that follows, week")
window_paint_all=$(field "$work/history_window.txt" "new entry with the repaint that follows, all")
health_sample=$(field "$work/health.txt" "daily sample")
health_check=$(field "$work/health.txt" "check: details read")
health_plain=$(field "$work/health.txt" "plain read of the same supply files")
cpu_percent=$(awk '$1 == "cpu_percent" { print $2 }' "$soak")
cpu_hour=$(awk '$1 == "cpu_seconds_per_hour" { print $2 }' "$soak")

# Two significant digits, and whole numbers from 10 on (no exponent).
ratio() {
    awk -v a="$1" -v b="$2" 'BEGIN {
        if (b <= 0) print "?"; else if (a / b >= 10) printf "%.0f ×", a / b; else printf "%.2g ×", a / b }'
}

heading "the table (README, Performance)"
cat <<EOF
| Figure | Tessaline | Anchor | Ratio |
|---|---|---|---|
| Cost per entry: sample, line, durable append | $entry µs | bare open + write + fdatasync + close: $bare µs | $(ratio "$entry" "$bare") |
| Append to the list at 1,000,000 rows, shown, with the event loop pass | $list_append ms | QListView over QStringListModel: $plain_append ms | $(ratio "$list_append" "$plain_append") |
| Memory per row at 1,000,000 rows (entries of $line_bytes bytes) | $list_bytes bytes | QStringListModel: $plain_bytes bytes | $(ratio "$list_bytes" "$plain_bytes") |
| Start-up to the first shown window (exec to map, Xvfb) | $start_tessaline ms | empty QWidget: $start_empty ms | $(ratio "$start_tessaline" "$start_empty") |
| Copy Log To Clipboard, 100 MB log | $copy ms | cat of the file: $cat_ms ms | $(ratio "$copy" "$cat_ms") |
| Copy Log To Clipboard, 100 MB log: peak of memory (held once another program takes the clipboard: $copy_held MB) | $copy_peak MB | the text on the clipboard: $copy_text MB (cat's peak: $cat_peak MB) | $(ratio "$copy_peak" "$copy_text") |
| Battery history: open a 1,000,000-entry log ($history_mb MB) into the model | $history_open ms | cat of the file: $history_cat ms | $(ratio "$history_open" "$history_cat") |
| Battery history: open a log of 1,000,000 entries in short sessions, one every three entries ($short_mb MB), into the model | $short_open ms | cat of the file: $short_cat ms | $(ratio "$short_open" "$short_cat") |
| Battery history window: the 1,000,000-entry log opened, read a slice per event, laid out and painted (offscreen) | $window_open ms | cat of the file: $window_cat ms | $(ratio "$window_open" "$window_cat") |
| Battery history window: the longest pass of the event loop while that log is read | $window_pass ms | limit 50 ms | $(ratio "$window_pass" 50) |
| Battery history window: redraw at a new width, whole log, $window_size | $window_redraw ms | limit 50 ms | $(ratio "$window_redraw" 50) |
| Battery history window: memory at the peak of the open | $window_peak MB | limit 64 MB | $(ratio "$window_peak" 64) |
| Battery history window: a new entry taken into the open window (99th percentile $window_update_p99 ms) | $window_update ms | limit 1 ms | $(ratio "$window_update" 1) |
| Battery history window: a new entry with the repaint that follows, last week shown (whole log: $window_paint_all ms) | $window_paint_week ms | limit 1 ms | $(ratio "$window_paint_week" 1) |
| Health ledger: the daily sample, the battery's details read and their line appended durably (limit 1 ms; the check every ten minutes, the details read alone: $health_check ms) | $health_sample ms | plain read of the same supply files: $health_plain ms | $(ratio "$health_sample" "$health_plain") |
| CPU per hour of logging every second, hidden (${soak_minutes}-minute soak) | $cpu_hour s ($cpu_percent % of a core) | limit 0.2 % of a core: 7.2 s | $(ratio "$cpu_hour" 7.2) |

Machine: $machine.
EOF
