# shellcheck shell=bash
# One running copy per user session: a later start hands over to the copy that
# runs, which shows its window, and ends with status 0 having read and written
# nothing; a copy that was killed blocks nothing.

# The Windows processes of the program, one id a line.
one_copy_pids() { e2e_probe processes "$(basename "$E2E_APP")"; }

one_copy_count_is() { [ "$(one_copy_pids | wc -l)" -eq "$1" ]; }

# One process of the program runs and the notification area holds one icon of it.
one_copy_expect_one() {
    local icons
    one_copy_count_is 1 || e2e_fail "$(one_copy_pids | wc -l) copies run" || return 1
    icons=$(e2e_probe trayicons TessalineTrayWindow)
    [ "$icons" = 1 ] || e2e_fail "$icons tray icons"
}

# What the program keeps in the registry, as `wine reg` shows it: its settings
# and the values that start programs with the system.
one_copy_registry() {
    local file='C:\tessaline-e2e\settings.reg'
    e2e_wine reg export 'HKCU\Software\Quorvane' "$file" /y >/dev/null 2>&1 ||
        e2e_fail "no settings to export" || return 1
    iconv -f UTF-16 -t UTF-8 "$(e2e_unix_path "$file")"
    e2e_wine reg query "$E2E_RUN_KEY" 2>/dev/null || true
}

# No two entries of the log carry the same date and time.
one_copy_expect_no_doubles() {
    local doubles
    doubles=$(e2e_log_lines | awk '{ print $1, $2, $3 }' | sort | uniq -d)
    [ -z "$doubles" ] || e2e_fail "entries written twice at: $doubles"
}

# Logging every second from the start.
one_copy_log_every_second() {
    e2e_put_setting OftenIndex 1
    e2e_put_setting StartStopState On
}

case_a_later_start_shows_the_hidden_copy_and_ends() {
    one_copy_log_every_second
    e2e_start_to_window
    e2e_minimise Tessaline
    e2e_wait_for "the window to hide" e2e_window_hidden Tessaline
    # A load stores the log path when there is none: without it, a later start
    # that loaded would show in the registry (a write of the same value would not).
    e2e_wine reg delete 'HKCU\Software\Quorvane\Tessaline' /v Text1 /f >/dev/null
    local registry lines
    registry=$(one_copy_registry)

    e2e_start_later
    e2e_expect_later_ended "$LATER_PID"
    e2e_wait_for "the window to come back" e2e_main_window_shown
    e2e_wait_for "the window in front" e2e_is_foreground Tessaline
    e2e_screenshot_window shown_by_a_later_start Tessaline
    e2e_app_running || e2e_fail "the first copy ended"
    one_copy_expect_one
    [ "$(one_copy_registry)" = "$registry" ] || e2e_fail "the registry changed"
    [ ! -s "$E2E_CASE_ARTIFACTS/later.log" ] ||
        e2e_fail "the later start said: $(head -n 3 "$E2E_CASE_ARTIFACTS/later.log")"

    # Ten seconds of logging every second after it, each entry once.
    lines=$(e2e_log_line_count)
    e2e_wait_for "ten more entries" e2e_log_has_lines $((lines + 10))
    one_copy_expect_no_doubles
    one_copy_expect_one
    e2e_close_and_expect_clean_end
}

case_two_starts_at_once_leave_one_running() {
    e2e_start_app
    e2e_start_later
    e2e_expect_one_of_two_left
    e2e_wait_for "the main window" e2e_main_window_shown
    e2e_wait_for "the tray icon" e2e_tray_has_icon
    e2e_app_running || e2e_fail "no copy runs"
    one_copy_expect_one
    e2e_close_and_expect_clean_end
}

# The Unix process of the program killed: the next start runs and logs.
case_a_killed_copy_does_not_block_the_next_start() {
    one_copy_log_every_second
    e2e_start_to_window
    one_copy_expect_one
    e2e_stop_app KILL
    e2e_expect_status 137
    e2e_wait_for "the killed copy to be gone" one_copy_count_is 0
    e2e_start_to_window
    local lines
    lines=$(e2e_log_line_count)
    e2e_wait_for "two more entries" e2e_log_has_lines $((lines + 2))
    one_copy_expect_one
    e2e_close_and_expect_clean_end
}
