# shellcheck shell=bash
# One running copy per user session: a later start hands over to the copy that
# runs, which shows its window, and ends with status 0 having read and written
# nothing; a copy that was killed blocks nothing.

# The processes of the program under test.
one_copy_pids() {
    local proc
    for proc in /proc/[0-9]*; do
        [ "$(readlink "$proc/exe" 2>/dev/null)" = "$E2E_APP" ] && echo "${proc#/proc/}"
    done
    return 0
}

one_copy_count_is() { [ "$(one_copy_pids | wc -l)" -eq "$1" ]; }

# No two entries of the log carry the same date and time.
one_copy_expect_no_doubles() {
    local doubles
    doubles=$(tr -d '\r' <"$(e2e_log_file)" | sed 's/ \(Running\|Battery\).*//' | sort | uniq -d)
    [ -z "$doubles" ] || e2e_fail "entries written twice at: $doubles"
}

case_a_later_start_shows_the_hidden_copy_and_ends() {
    e2e_fake_power battery 75 5400
    e2e_write_settings OftenIndex=1 StartStopState=On
    e2e_start_app
    local window settings lines
    window=$(e2e_main_window)
    e2e_tray_icon >/dev/null
    e2e_minimise "$window"
    e2e_wait_for "the window to hide" e2e_is_hidden_in_tray "$window"
    settings=$(cat "$(e2e_settings_file)")

    e2e_start_later
    e2e_expect_later_ended "$LATER_PID"
    e2e_wait_for "the window to come back" e2e_is_restored "$window"
    e2e_screenshot shown_by_a_later_start "$window"
    one_copy_count_is 1 || e2e_fail "$(one_copy_pids | wc -l) copies run"
    [ "$(cat "$(e2e_settings_file)")" = "$settings" ] || e2e_fail "the settings changed"
    [ ! -s "$E2E_CASE_ARTIFACTS/later.log" ] ||
        e2e_fail "the later start said: $(head -n 3 "$E2E_CASE_ARTIFACTS/later.log")"

    # Ten seconds of logging every second after it, each entry once.
    lines=$(e2e_log_line_count)
    e2e_wait_for "ten more entries" e2e_log_has_lines $((lines + 10))
    one_copy_expect_no_doubles
    [ "$(e2e_tray_icon)" ] && one_copy_count_is 1
}

case_two_starts_at_once_leave_one_running() {
    e2e_fake_power ac
    e2e_start_app
    e2e_start_later
    e2e_expect_one_of_two_left
    e2e_main_window >/dev/null
    e2e_tray_icon >/dev/null
    [ "$(e2e_app_windows_titled Tessaline | wc -l)" -ge 1 ] || e2e_fail "no main window"
    one_copy_count_is 1 || e2e_fail "$(one_copy_pids | wc -l) copies run"
}

case_a_killed_copy_does_not_block_the_next_start() {
    e2e_fake_power ac
    e2e_start_app
    e2e_main_window >/dev/null
    e2e_stop_app KILL
    e2e_expect_status 137
    e2e_start_app
    e2e_main_window >/dev/null
    e2e_tray_icon >/dev/null
}

# A copy that hangs (stopped: it holds its lock and answers nothing): a later
# start gives up once its ten seconds of waiting for an answer are over, and
# ends without logging beside it.
case_a_later_start_gives_up_on_a_copy_that_hangs() {
    e2e_fake_power battery 75 5400
    e2e_write_settings OftenIndex=1 StartStopState=On
    e2e_start_app
    e2e_main_window >/dev/null
    e2e_wait_for "an entry" e2e_log_has_lines 1
    kill -STOP "$E2E_APP_PID"
    local lines status=0
    lines=$(e2e_log_line_count)
    e2e_start_later
    E2E_TIMEOUT=$((E2E_TIMEOUT + 10)) e2e_wait_for "the later start to give up" \
        e2e_not_alive "$LATER_PID"
    wait "$LATER_PID" || status=$?
    e2e_note "the later start ended with status $status, saying: $(head -c 200 \
        "$E2E_CASE_ARTIFACTS/later.log")"
    [ "$(e2e_log_line_count)" -eq "$lines" ] || e2e_fail "an entry was logged beside the hung copy"
    one_copy_count_is 1 || e2e_fail "$(one_copy_pids | wc -l) copies run"
    kill -CONT "$E2E_APP_PID"
    e2e_wait_for "the copy to log again" e2e_log_has_lines $((lines + 1))
}
