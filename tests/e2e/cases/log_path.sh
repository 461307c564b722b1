# shellcheck shell=bash
# The log path retyped by hand while logging every second.

# The middle of the path box, in window pixels.
LOG_PATH_BOX_AT='240 436'
# A normal typing pace: a key every quarter of a second.
LOG_PATH_KEY_DELAY=250

log_path_lines() { if [ -f "$1" ]; then wc -l <"$1"; else echo 0; fi; }
log_path_has_lines() { [ "$(log_path_lines "$1")" -ge "$2" ]; }
log_path_setting_is() { [ "$(e2e_setting Text1)" = "$1" ]; }

# log_path_tick_while_typing <log>: the old log gets its next entry while the box
# holds what was typed so far, and no report has opened.
log_path_tick_while_typing() {
    e2e_wait_for "an entry while typing" log_path_has_lines "$1" $(($(log_path_lines "$1") + 1))
    [ -z "$(e2e_reports)" ] || e2e_fail "a report opened while typing"
}

# Every entry goes to the old log until the edit ends with Enter, then to the
# new one: no stray file of a half-typed name, no report while the box holds the
# folder alone ("…/logs/"), and the new path stored.
case_retyping_the_log_path_logs_to_the_old_one_until_enter() {
    local folder="$E2E_CASE_DIR/logs" window
    mkdir -p "$folder"
    e2e_fake_power battery 60 1800
    e2e_write_settings OftenIndex=1 StartStopState=On "Text1=$folder/a.txt"
    e2e_start_app
    window=$(e2e_main_window)
    e2e_wait_for "entries in the old log" log_path_has_lines "$folder/a.txt" 2

    e2e_focus "$window"
    # shellcheck disable=SC2086
    e2e_click_at "$window" $LOG_PATH_BOX_AT
    xdotool key --delay "$LOG_PATH_KEY_DELAY" End BackSpace BackSpace BackSpace BackSpace BackSpace
    log_path_tick_while_typing "$folder/a.txt"
    xdotool type --delay "$LOG_PATH_KEY_DELAY" b.
    log_path_tick_while_typing "$folder/a.txt"
    xdotool type --delay "$LOG_PATH_KEY_DELAY" txt
    xdotool key Return
    e2e_wait_for "Text1 to hold the new path" log_path_setting_is "$folder/b.txt"
    e2e_wait_for "an entry in the new log" log_path_has_lines "$folder/b.txt" 1
    [ "$(cd "$folder" && echo *)" = "a.txt b.txt" ] ||
        e2e_fail "the logs folder holds: $(cd "$folder" && echo *)"
    [ -z "$(e2e_reports)" ] || e2e_fail "a report opened"
    e2e_stop_app TERM
    e2e_expect_status 0
}
