# shellcheck shell=bash
# Signals while logging every second: SIGKILL at random moments leaves every
# line whole and loses none written before; SIGTERM runs the normal shutdown.

FAULT_KILLS=${FAULT_KILLS:-20}
E2E_LIMITS[case_sigkill_at_random_moments_while_logging]=300

# The seed is printed, and FAULT_SEED repeats a run. One round in four is killed
# at a moment of its first second, most often in start-up; the others while
# logging, up to two seconds after the round's first entry, however long the
# start-up took.
case_sigkill_at_random_moments_while_logging() {
    local log copy="$E2E_CASE_DIR/log.copy" round ms seed existed lines moment
    seed=${FAULT_SEED:-$RANDOM}
    RANDOM=$seed
    e2e_note "seed $seed (FAULT_SEED=$seed repeats these moments)"
    log=$(e2e_log_file)
    e2e_fake_power battery 75 5400
    fault_logging_settings
    for round in $(seq "$FAULT_KILLS"); do
        existed=
        if [ -f "$log" ]; then cp "$log" "$copy" && existed=1; else : >"$copy"; fi
        lines=$(fault_lines "$log")
        e2e_start_app
        if [ $((RANDOM % 4)) -eq 0 ]; then
            ms=$((RANDOM % 1000))
            moment="$ms ms after the start"
        else
            fault_wait_lines "$log" $((lines + 1))
            ms=$((RANDOM % 2000))
            moment="$ms ms after the first entry"
        fi
        sleep "$((ms / 1000)).$(printf '%03d' $((ms % 1000)))"
        e2e_stop_app KILL
        e2e_expect_status 137
        # Killed before the first entry: a log that never existed is not a lost one.
        [ -n "$existed" ] || [ -e "$log" ] || continue
        fault_expect_prefix "$log" "$copy" || e2e_fail "round $round, killed $moment" || return 1
        fault_expect_whole_lines "$log" || e2e_fail "round $round, killed $moment" || return 1
    done
}

# SIGTERM asks for the close of any other kind: logging stops, the tray icon goes,
# the process ends by itself, and the log is whole.
fault_sigterm_ends_normally() {
    local log
    log=$(e2e_log_file)
    fault_wait_lines "$log" 2
    e2e_stop_app TERM
    e2e_expect_status 0
    fault_expect_whole_lines "$log"
    [ -z "$(e2e_app_windows)" ] || e2e_fail "windows left behind"
}

case_sigterm_while_logging_runs_the_normal_shutdown() {
    e2e_fake_power battery 75 5400
    fault_logging_settings
    e2e_start_app_past_reports
    e2e_tray_icon >/dev/null
    fault_sigterm_ends_normally
}

case_sigterm_while_hidden_in_the_tray_runs_the_normal_shutdown() {
    e2e_fake_power battery 75 5400
    fault_logging_settings
    e2e_start_app_past_reports
    e2e_tray_icon >/dev/null
    local window
    window=$(e2e_main_window)
    e2e_minimise "$window"
    e2e_wait_for "the window to hide" e2e_is_not_viewable "$window"
    fault_sigterm_ends_normally
}

# A report of a refused entry waits for the user when SIGTERM comes: the
# shutdown does not wait for the user.
case_sigterm_while_an_error_report_waits_runs_the_normal_shutdown() {
    e2e_fake_power battery 75 5400
    fault_logging_settings "Text1=$E2E_CASE_DIR/missing/Tessaline.txt"
    e2e_start_app_past_reports
    e2e_expect_reports 1
    # shellcheck disable=SC2086
    fault_click_twips "$(e2e_main_window)" $FAULT_LOG_NOW
    e2e_wait_for "the report of the entry asked for" fault_report_shown
    e2e_stop_app TERM
    e2e_expect_status 0
    [ -z "$(e2e_app_windows)" ] || e2e_fail "windows left behind"
}
