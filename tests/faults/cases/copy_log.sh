# shellcheck shell=bash
# Copy Log on a log path that is no regular file: a device that never ends and a
# pipe that nobody writes to are reported like any unreadable log; the program
# neither reads without end nor waits with its window frozen.

# fault_watch_memory_until_reported <most resident kB>: until the program's
# report has been shown and answered, it runs and stays below the bound; a
# program over the bound is ended before it takes the machine's memory.
fault_watch_memory_until_reported() {
    local until rss
    e2e_waiting "the report of Copy Log, the memory under $1 kB"
    until=$(e2e_later "$E2E_TIMEOUT")
    until [ "$E2E_REPORTS" -ge 1 ]; do
        e2e_app_running || e2e_fail "the program ended" || return 1
        e2e_before "$until" || e2e_fail "timed out waiting for the report of Copy Log" || return 1
        rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$E2E_APP_PID/status")
        if [ "$rss" -gt "$1" ]; then
            kill -KILL "$E2E_APP_PID"
            e2e_fail "the program took $rss kB and was still reading" || return 1
        fi
        e2e_answer_reports || return 1
        sleep "$E2E_POLL_INTERVAL"
    done
}

# fault_copy_log_of <path>: Copy Log with that path as the log is reported,
# without reading without end or waiting, and the window goes on.
fault_copy_log_of() {
    e2e_fake_power battery 60 1800
    e2e_write_settings "Text1=$1"
    e2e_start_app_past_reports
    # shellcheck disable=SC2086
    fault_click_twips "$(e2e_main_window)" $FAULT_COPY_LOG
    fault_watch_memory_until_reported 1000000
    e2e_expect_reports 1
    fault_expect_responsive
    fault_expect_running
    e2e_stop_app KILL
}

# /dev/full takes no entry (disk full) and, read, never ends.
case_copy_log_of_a_device_without_end() { fault_copy_log_of /dev/full; }

# A named pipe that nobody writes to: Copy Log must not wait for a writer.
case_copy_log_of_a_pipe_without_writer() {
    mkfifo "$E2E_CASE_DIR/pipe"
    fault_copy_log_of "$E2E_CASE_DIR/pipe"
}
