#!/usr/bin/env bash
# Runs a test program of the Windows build under Wine: ctest's emulator for
# them (tests/CMakeLists.txt). usage: run-under-wine.sh <program.exe> [<argument>...]
#
# Under load Wine here loses a process now and then, on its way in or out,
# where no program of ours runs:
# - a start that ends at once, unsuccessfully, with nothing printed: the
#   program never reached its main, where GoogleTest prints its first line
#   (and Wine needs longer than that just to load one). That start, and only
#   such a start, is made once more.
# - a program that has printed GoogleTest's summary, its last act before
#   returning from main, whose process then never ends. It is ended
#   RUN_UNDER_WINE_EXIT_SECONDS (20) after the summary, with the status the
#   summary gives.
# Either is said on the standard error.
set -u
exit_seconds=${RUN_UNDER_WINE_EXIT_SECONDS:-20}
out=$(mktemp "${TMPDIR:-/tmp}/run-under-wine.XXXXXX")
err=$(mktemp "${TMPDIR:-/tmp}/run-under-wine.XXXXXX")
trap 'rm -f "$out" "$err"' EXIT

note() { printf 'run-under-wine: %s\n' "$*" >&2; }
now() { echo "${EPOCHREALTIME//[!0-9]/}"; }

# GoogleTest's summary: its last line, "[  PASSED  ] n tests." or " n FAILED TESTS".
summary() { grep -Ex '\[  PASSED  \] [0-9]+ tests?\.| ?[0-9]+ FAILED TESTS?' "$out" | tail -n 1; }

# watch <pid> <program>: once the program has printed its summary, ends its
# Wine process if it is still there exit_seconds later.
watch() {
    local summed=''
    while kill -0 "$1" 2>/dev/null; do
        if [ -z "$summed" ] && [ -n "$(summary)" ]; then summed=$(now); fi
        if [ -n "$summed" ] && [ $(($(now) - summed)) -gt $((exit_seconds * 1000000)) ]; then
            note "$2 printed its summary but its Wine process had not ended $exit_seconds s later; ended it"
            kill -KILL "$1" 2>/dev/null
            return
        fi
        sleep 0.5 >/dev/null 2>&1
    done
}

# run: runs the program once, its output passed on as it comes; sets status
# and took (microseconds).
run() {
    local started wine_pid watcher tails
    started=$(now)
    : >"$out"
    : >"$err"
    wine "$@" >"$out" 2>"$err" &
    wine_pid=$!
    watch "$wine_pid" "$1" &
    watcher=$!
    tail -n +1 -s 0.1 -f --pid="$wine_pid" "$out" &
    tails=$!
    tail -n +1 -s 0.1 -f --pid="$wine_pid" "$err" >&2 &
    tails="$tails $!"
    status=0
    wait "$wine_pid" 2>/dev/null || status=$?
    took=$(($(now) - started))
    kill "$watcher" 2>/dev/null
    # shellcheck disable=SC2086
    wait $tails
    # Ended by the watch: the summary says how the program ended.
    if [ "$status" -eq 137 ] && [ -n "$(summary)" ]; then
        case $(summary) in
        '[  PASSED  ]'*) status=0 ;;
        *) status=1 ;;
        esac
    fi
}

run "$@"
if [ "$status" -ne 0 ] && [ ! -s "$out" ] && [ ! -s "$err" ] && [ "$took" -lt 2000000 ]; then
    note "$1 ended with status $status after $((took / 1000)) ms without printing anything; its start was lost in Wine: starting it once more"
    run "$@"
fi
exit "$status"
