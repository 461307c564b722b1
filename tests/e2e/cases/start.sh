# shellcheck shell=bash
# How the program starts: on a first start with the window as designed, ready to
# log; with "start with the system" and "minimised" set, with only its tray icon.

# Where the first start's clicks go, in window pixels: the first item of the
# interval list ("Log every 1 second", just below the list's header) and the
# automatic-logging switch.
START_FIRST_INTERVAL_AT='60 268'
START_SWITCH_AT='135 481'

# A log line: the date and time in the locale's short form (the program runs in
# the C locale: "8 Dec 2026 02:32:26"; "12/8/2026 2:32:26 PM" in US English),
# then the battery's state.
START_LOG_DATE='([0-9]{1,2}/[0-9]{1,2}/[0-9]{4}|[0-9]{1,2} [A-Z][a-z]{2} [0-9]{4})'
START_LOG_TIME='[0-9]{1,2}:[0-9]{2}:[0-9]{2}( [AP]M)?'
START_LOG_STATE='(Running on AC Power|Battery Level is [0-9]{1,3}%( \([0-9]+ Hours, [0-9]+ Minutes, [0-9]+ Seconds remaining on battery\))?\.)'
START_LOG_LINE="$START_LOG_DATE $START_LOG_TIME $START_LOG_STATE"

start_setting_is() { [ "$(e2e_setting "$1")" = "$2" ]; }

# start_span <line> <count>: the seconds of the log's own clock from the entry
# on that line to the one <count> lines on; -1 when two of them share a second.
start_span() {
    sed -n "$1,$(($1 + $2))p" "$(e2e_log_file)" | tr -d '\r' | sed -E 's/ (Running|Battery) .*//' |
        LC_ALL=C date -f - +%s |
        awk 'NR > 1 && $1 <= last { shared = 1 } NR == 1 { first = $1 } { last = $1 }
             END { print shared ? -1 : last - first }'
}

case_first_start_logs_every_second_when_asked() {
    e2e_fake_power battery 75 5400
    e2e_start_app
    local window lines span
    window=$(e2e_main_window)
    e2e_tray_icon >/dev/null
    [ "$(e2e_window_size "$window")" = 536x571 ] ||
        e2e_fail "the window is $(e2e_window_size "$window"), not 536x571"
    e2e_screenshot first_start "$window"
    [ "$(e2e_setting Text1)" = "$(e2e_log_file)" ] ||
        e2e_fail "Text1 holds '$(e2e_setting Text1)', not the default log path"
    [ "$(e2e_log_line_count)" -eq 0 ] || e2e_fail "a first start wrote to the log"

    # shellcheck disable=SC2086
    e2e_click_at "$window" $START_FIRST_INTERVAL_AT
    e2e_wait_for "OftenIndex 1" start_setting_is OftenIndex 1
    # shellcheck disable=SC2086
    e2e_click_at "$window" $START_SWITCH_AT
    e2e_wait_for "StartStopState On" start_setting_is StartStopState On

    # The switch writes one entry at once, then the tick one a second: three
    # ticks span three to six seconds of the log's own clock (a second each,
    # and the write), each entry in a second of its own.
    e2e_wait_for "the first entry" e2e_log_has_lines 1
    lines=$(e2e_log_line_count)
    e2e_wait_for "three more entries" e2e_log_has_lines $((lines + 3))
    span=$(start_span "$lines" 3)
    [ "$span" -ge 3 ] && [ "$span" -le 6 ] ||
        e2e_fail "three ticks took $span s of the log's clock: $(tail -n 4 "$(e2e_log_file)")"
    e2e_screenshot logging "$window"

    # Hidden in the tray, it goes on logging.
    e2e_minimise "$window"
    e2e_wait_for "the window to hide" e2e_is_not_viewable "$window"
    lines=$(e2e_log_line_count)
    e2e_wait_for "entries while hidden" e2e_log_has_lines $((lines + 2))
    e2e_expect_log_lines_match "$START_LOG_LINE"

    e2e_stop_app TERM
    e2e_expect_status 0
}

case_starting_minimised_shows_only_the_tray_icon() {
    e2e_fake_power ac
    e2e_write_settings 'Windows%20Startup=On' 'Minimized=On'
    e2e_start_app
    local icon window
    icon=$(e2e_tray_icon)
    e2e_wait_for "the start-up balloon" e2e_find_balloon >/dev/null
    e2e_screenshot started_in_tray
    ! e2e_viewable_titled_exists Tessaline || e2e_fail "the window showed at start"
    for window in $(e2e_app_windows_titled Tessaline); do
        ! e2e_is_managed "$window" || e2e_fail "the window is on the taskbar"
    done

    e2e_click_icon "$icon" 1
    window=$(e2e_main_window)
    e2e_wait_for "the window in its normal state" e2e_is_restored "$window"
    [ "$(e2e_window_size "$window")" = 536x571 ] ||
        e2e_fail "the window came back at $(e2e_window_size "$window")"
    e2e_screenshot brought_back "$window"
    e2e_close "$window"
    e2e_wait_app_exit
    e2e_expect_clean_end
}
