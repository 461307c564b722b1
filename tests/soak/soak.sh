#!/usr/bin/env bash
# The soak run: the real program logs every second, hidden in the tray, for the
# given minutes on the end-to-end desktop (../e2e), and is watched from outside:
# - memory (VmRSS) grows by no more than the log list's rows can take,
# - the count of open file descriptors does not grow,
# - no entry is missing or doubled: consecutive entries are 1 or 2 seconds apart
#   (the spacing is the interval plus the time the write takes), and their number
#   matches the elapsed time by that rule,
# - the process uses under 0.2 % of one core (utime + stime).
# usage: soak.sh <tessaline> <minutes> [<artifacts folder>]
# The figures go to <artifacts>/case_soak/figures.txt as well, and the samples
# taken every few seconds to series.txt beside it.
set -u
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=../e2e/lib.sh
. "$here/../e2e/lib.sh"

if [ $# -lt 2 ]; then
    echo "usage: $0 <tessaline> <minutes> [<artifacts folder>]" >&2
    exit 2
fi
SOAK_APP=$1
SOAK_MINUTES=$2
SOAK_ARTIFACTS=${3:-soak-artifacts}

# Limits. Memory: the bytes a row of the list may take (its text in the list's
# compact store and its offset come to about 40), plus a few pages that the
# allocator may take once at any time.
SOAK_BYTES_PER_ROW=${SOAK_BYTES_PER_ROW:-64}
SOAK_MEMORY_SLACK_KB=${SOAK_MEMORY_SLACK_KB:-128}
SOAK_CPU_LIMIT_PERCENT=${SOAK_CPU_LIMIT_PERCENT:-0.2}
# The write of an entry takes this long at most, on average.
SOAK_WRITE_SECONDS=${SOAK_WRITE_SECONDS:-0.05}
SOAK_WARM_UP_SECONDS=10
SOAK_SAMPLE_SECONDS=5

# A sanitized build counts every allocation twice over and keeps freed memory in
# quarantine for a while; memory and time are its own there. It is still run
# for the file descriptors and the entries, with its memory measured without the
# quarantine, and the CPU limit scaled by SOAK_SANITIZED_CPU_FACTOR.
soak_sanitized() { grep -qa '__asan_init' "$SOAK_APP"; }

soak_note() { e2e_note "soak: $*"; }

# Resident memory of the process's own data (heap and stacks), without the
# pages of libraries and fonts that the system maps in and out.
soak_rss_kb() { awk '/^RssAnon:/ { print $2 }' "/proc/$E2E_APP_PID/status"; }

# Open descriptors; an entry being written holds one more for a moment, so the
# least of a few looks is the steady count.
soak_fds() {
    local least='' count look
    for look in 1 2 3; do
        count=$(find "/proc/$E2E_APP_PID/fd" -mindepth 1 -maxdepth 1 2>/dev/null | wc -l)
        if [ -z "$least" ] || [ "$count" -lt "$least" ]; then least=$count; fi
        [ "$look" -eq 3 ] || sleep 0.05
    done
    echo "$least"
}

# Clock ticks of CPU time used so far (user + system).
soak_cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$E2E_APP_PID/stat"; }

# The entries' times, in seconds since the epoch, one per line.
soak_entry_times() {
    tr -d '\r' <"$1" | awk '{ print $1, $2, $3, $4 }' | date -f - +%s
}

soak_record() {
    printf '%s\n' "$*" >>"$E2E_CASE_ARTIFACTS/figures.txt"
    soak_note "$*"
}

case_soak() {
    local log window rows_start rss_start fds_start ticks_start time_start
    local rss fds rows elapsed ticks until now_rss most_rss=0 hz cpu_percent limit_kb
    local cpu_limit=$SOAK_CPU_LIMIT_PERCENT
    log=$(e2e_log_file)
    : >"$E2E_CASE_ARTIFACTS/figures.txt"
    echo "# seconds rss_anon_kb descriptors entries" >"$E2E_CASE_ARTIFACTS/series.txt"
    if soak_sanitized; then
        export ASAN_OPTIONS="quarantine_size_mb=0:thread_local_quarantine_size_kb=0${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
        cpu_limit=$(awk -v l="$cpu_limit" -v f="${SOAK_SANITIZED_CPU_FACTOR:-2}" 'BEGIN { print l * f }')
        soak_note "sanitized build: CPU limit $cpu_limit %, no quarantine"
    fi

    e2e_fake_power battery 75 5400
    e2e_write_settings OftenIndex=1 StartStopState=On
    e2e_start_app
    window=$(e2e_main_window)
    e2e_tray_icon >/dev/null
    e2e_minimise "$window"
    e2e_wait_for "the window to hide" e2e_is_not_viewable "$window"
    sleep "$SOAK_WARM_UP_SECONDS"

    hz=$(getconf CLK_TCK)
    rows_start=$(wc -l <"$log")
    rss_start=$(soak_rss_kb)
    fds_start=$(soak_fds)
    ticks_start=$(soak_cpu_ticks)
    time_start=$(e2e_now)
    soak_note "watching for $SOAK_MINUTES min: $rows_start entries, $rss_start kB, $fds_start descriptors"

    until=$(e2e_later "$(awk -v m="$SOAK_MINUTES" 'BEGIN { print m * 60 }')")
    while e2e_before "$until"; do
        sleep "$SOAK_SAMPLE_SECONDS"
        e2e_app_running || e2e_fail "the program ended" || return 1
        [ -z "$(e2e_reports)" ] || e2e_fail "an error report showed" || return 1
        e2e_is_not_viewable "$window" || e2e_fail "the window came back" || return 1
        # Qt's pooled helper threads end after half a minute idle and take
        # their event descriptors with them: the count may fall, never rise.
        fds=$(soak_fds)
        [ "$fds" -le "$fds_start" ] ||
            e2e_fail "open descriptors went from $fds_start to $fds: $(ls -l "/proc/$E2E_APP_PID/fd")" ||
            return 1
        now_rss=$(soak_rss_kb)
        if [ "$now_rss" -gt "$most_rss" ]; then most_rss=$now_rss; fi
        printf '%s %s %s %s\n' "$(awk -v a="$time_start" -v b="$(e2e_now)" 'BEGIN { printf "%.0f", b - a }')" \
            "$now_rss" "$fds" "$(wc -l <"$log")" >>"$E2E_CASE_ARTIFACTS/series.txt"
    done

    ticks=$(($(soak_cpu_ticks) - ticks_start))
    elapsed=$(awk -v a="$time_start" -v b="$(e2e_now)" 'BEGIN { printf "%.1f", b - a }')
    rss=$(soak_rss_kb)
    rows=$(($(wc -l <"$log") - rows_start))
    e2e_stop_app KILL

    cpu_percent=$(awk -v t="$ticks" -v hz="$hz" -v s="$elapsed" 'BEGIN { printf "%.4f", 100 * t / hz / s }')
    limit_kb=$((rows * SOAK_BYTES_PER_ROW / 1024 + SOAK_MEMORY_SLACK_KB))
    soak_record "minutes $SOAK_MINUTES"
    soak_record "elapsed_seconds $elapsed"
    soak_record "entries $rows"
    soak_record "rss_start_kb $rss_start"
    soak_record "rss_end_kb $rss"
    soak_record "rss_most_kb $most_rss"
    soak_record "rss_growth_kb $((most_rss - rss_start))"
    soak_record "rss_growth_limit_kb $limit_kb"
    soak_record "descriptors_start $fds_start"
    soak_record "descriptors_end $fds"
    soak_record "cpu_ticks $ticks"
    soak_record "cpu_percent $cpu_percent"
    soak_record "cpu_seconds_per_hour $(awk -v p="$cpu_percent" 'BEGIN { printf "%.2f", p * 36 }')"

    [ $((most_rss - rss_start)) -le "$limit_kb" ] ||
        e2e_fail "memory grew by $((most_rss - rss_start)) kB for $rows rows (limit $limit_kb kB)"
    awk -v p="$cpu_percent" -v l="$cpu_limit" 'BEGIN { exit !(p < l) }' ||
        e2e_fail "CPU use $cpu_percent % of a core, limit $cpu_limit %"
    soak_expect_entries "$log" "$elapsed" "$rows"
    soak_expect_whole_lines "$log"
}

# soak_expect_entries <log> <elapsed seconds> <entries in that time>: each entry
# follows the one before by 1 or 2 seconds (0 would be a double, 3 or more a
# gap), and the number of entries is what the elapsed time allows: at most one
# a second, at least one per second plus the longest average write.
soak_expect_entries() {
    local bad least most
    bad=$(soak_entry_times "$1" | awk 'NR > 1 && ($1 - prev < 1 || $1 - prev > 2) {
              printf "entry %d comes %d s after the one before; ", NR, $1 - prev } { prev = $1 }')
    [ -z "$bad" ] || e2e_fail "$bad" || return 1
    least=$(awk -v s="$2" -v w="$SOAK_WRITE_SECONDS" 'BEGIN { print int(s / (1 + w)) - 1 }')
    most=$(awk -v s="$2" 'BEGIN { print int(s) + 1 }')
    [ "$3" -ge "$least" ] && [ "$3" -le "$most" ] ||
        e2e_fail "$3 entries in $2 s, where $least to $most were due"
}

# Every line is a whole entry ended by CR LF.
soak_expect_whole_lines() {
    local bad
    bad=$(LC_ALL=C grep -Evc $'^[0-9]{1,2} [A-Z][a-z]{2} [0-9]{4} [0-9:]{8} Battery Level is 75% \\(1 Hours, 30 Minutes, 0 Seconds remaining on battery\\)\\.\r$' "$1" || true)
    [ "$bad" -eq 0 ] || e2e_fail "$bad lines of the log are not whole entries"
}

e2e_main "$SOAK_APP" "$SOAK_ARTIFACTS" case_soak
