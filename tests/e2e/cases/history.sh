# shellcheck shell=bash
# The battery history window: it opens from the log list's context menu and with
# Ctrl+H over a week of entries, draws them with the periods on AC shaded, and
# leaves the main window working.

# Where the log list and the "Log Battery Level Now (Test)" button are, in window pixels.
HISTORY_LIST_AT='268 150'
HISTORY_LOG_NOW_AT='400 481'
# The colours of the chart: a period on AC, and the battery's charge.
HISTORY_AC_SHADE='#FCE9B6'
HISTORY_LEVEL_LINE='#1F63B4'

# history_write_week <file>: a week of entries in the form the program writes in
# the C locale ("8 Dec 2026 02:30:00", the date alone at midnight).
history_write_week() { e2e_write_week "$1" '+%-d %b %Y %H:%M:%S' ' 00:00:00'; }

# Whether a pop-up menu of the program shows (an unmanaged window of its own).
history_menu_shown() {
    local window
    for window in $(e2e_app_windows); do
        if e2e_is_viewable "$window" && ! e2e_is_embedded "$window" &&
            xwininfo -id "$window" 2>/dev/null | grep -q 'Override Redirect State: yes'; then
            return 0
        fi
    done
    return 1
}

# history_expect_colour <png> <colour> <what>: the picture shows that colour.
history_expect_colour() {
    local colours
    colours=$(convert "$1" -format %c histogram:info:-)
    grep -qi "$2" <<<"$colours" || e2e_fail "no $3 ($2) in $(basename "$1")"
}

# history_summary_changed <window> <screenshot>: the summary line at the top of
# the window reads differently from the screenshot's.
history_summary_changed() {
    local now="$E2E_CASE_DIR/summary_now.png"
    import -window "$1" -crop 400x24+0+0 +repage "$now" 2>/dev/null || return 1
    ! compare -metric AE "$now" \
        <(convert "$E2E_CASE_ARTIFACTS/$2.png" -crop 400x24+0+0 +repage png:-) null: 2>/dev/null
}

history_expect_chart() {
    local history=$1 name=$2
    [ "$(e2e_window_size "$history")" = 820x660 ] ||
        e2e_fail "the history window is $(e2e_window_size "$history"), not 820x660"
    e2e_screenshot "$name" "$history"
    history_expect_colour "$E2E_CASE_ARTIFACTS/$name.png" "$HISTORY_AC_SHADE" "period on AC"
    history_expect_colour "$E2E_CASE_ARTIFACTS/$name.png" "$HISTORY_LEVEL_LINE" "battery line"
}

case_history_opens_from_the_context_menu_and_with_ctrl_h() {
    e2e_fake_power battery 70 5400
    history_write_week "$(e2e_log_file)"
    e2e_start_app
    local window history
    window=$(e2e_main_window)

    # shellcheck disable=SC2086
    xdotool mousemove --window "$window" $HISTORY_LIST_AT click 3
    e2e_wait_for "the log list's context menu" history_menu_shown
    xdotool key Down Return
    history=$(e2e_window_titled "Battery History")
    history_expect_chart "$history" history_from_menu

    e2e_close "$history"
    e2e_wait_for "the history to close" e2e_is_not_viewable "$history"
    e2e_is_viewable "$window" || e2e_fail "the main window went with the history"

    e2e_focus "$window"
    xdotool key --clearmodifiers ctrl+h
    history=$(e2e_window_titled "Battery History")
    history_expect_chart "$history" history_from_ctrl_h

    # A new entry shows in the open window.
    e2e_focus "$window"
    # shellcheck disable=SC2086
    e2e_click_at "$window" $HISTORY_LOG_NOW_AT
    e2e_wait_for "the new entry" e2e_log_has_lines 1010
    e2e_focus "$history"
    e2e_wait_for "the history to take the new entry" history_summary_changed "$history" \
        history_from_ctrl_h
    e2e_screenshot history_after_an_entry "$history"

    e2e_close "$window"
    e2e_wait_app_exit
    e2e_expect_clean_end
}

# history_shows_the_level <window>: the level chart draws the battery's line.
history_shows_the_level() {
    local now="$E2E_CASE_DIR/level_now.png"
    import -window "$1" "$now" 2>/dev/null &&
        convert "$now" -format %c histogram:info:- | grep -qi "$HISTORY_LEVEL_LINE"
}

# Opening the history of a large log (about 100 MB) reads it a slice at a time
# between the program's events: logging every second goes on meanwhile with no
# entry missing, and the history shows once the log is read.
case_opening_a_large_history_loses_no_entry_while_logging_every_second() {
    e2e_fake_power battery 70 5400
    e2e_write_large "$(e2e_log_file)" 24 '+%-d %b %Y' 24
    e2e_write_settings OftenIndex=1 StartStopState=On
    e2e_start_app
    local window history first lines
    window=$(e2e_main_window)
    first=$(($(e2e_log_line_count) + 1))
    e2e_wait_for "the logging to run" e2e_log_has_lines $((first + 1))
    xdotool windowactivate --sync "$window"
    xdotool key --clearmodifiers ctrl+h
    history=$(e2e_window_titled "Battery History")
    # Looked at once a second: a screenshot a tenth of a second would take
    # much of the machine from the program it watches.
    E2E_POLL_INTERVAL=1 e2e_poll 180 history_shows_the_level "$history" ||
        e2e_fail "the history did not show the log within 3 minutes"
    e2e_screenshot large_history_read "$history"
    lines=$(e2e_log_line_count)
    e2e_wait_for "two more entries" e2e_log_has_lines $((lines + 2))
    e2e_close "$window"
    e2e_wait_app_exit
    e2e_expect_clean_end
    e2e_expect_every_second "$first"
}
