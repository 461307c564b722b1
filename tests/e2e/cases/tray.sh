# shellcheck shell=bash
# Minimising hides the window behind the tray icon, with a balloon the first
# time; the icon brings the window back; every way of ending runs the program's
# own shutdown, which ends it with status 0 and takes the icon away.

# tray_restored_seeing_balloons <window>: e2e_is_restored, noting in
# TRAY_BALLOON_SEEN a balloon seen on the way.
tray_restored_seeing_balloons() {
    if e2e_find_balloon >/dev/null; then TRAY_BALLOON_SEEN=1; fi
    e2e_is_restored "$1"
}

case_minimising_hides_into_the_tray_with_one_balloon() {
    e2e_fake_power battery 75 5400
    e2e_start_app
    local window icon balloon
    window=$(e2e_main_window)
    icon=$(e2e_tray_icon)
    e2e_screenshot shown "$window"

    e2e_minimise "$window"
    e2e_wait_for "the window to hide" e2e_is_hidden_in_tray "$window"
    e2e_wait_for "the balloon" e2e_find_balloon >/dev/null
    e2e_screenshot tray_with_balloon
    # A click on the balloon ends it (and the wait behind it) at once.
    balloon=$(e2e_find_balloon)
    e2e_click "$balloon"
    e2e_wait_for "the balloon to go" e2e_no_balloon
    e2e_app_running || e2e_fail "the program ended"

    e2e_click_icon "$icon" 1
    e2e_wait_for "the window to come back on a left click" e2e_is_restored "$window"

    e2e_minimise "$window"
    e2e_wait_for "the window to hide again" e2e_is_hidden_in_tray "$window"
    e2e_screenshot tray_without_balloon

    # A second balloon would show for five seconds from the minimise, so while
    # the click on the icon, taken after it, brings the window back.
    e2e_click_icon "$icon" 3
    e2e_wait_for "the window to come back on a right click" tray_restored_seeing_balloons "$window"
    [ -z "${TRAY_BALLOON_SEEN:-}" ] || e2e_fail "a second balloon in the same run"
    [ "$(e2e_window_size "$window")" = 536x571 ] ||
        e2e_fail "the window came back at $(e2e_window_size "$window")"

    # A click while the window shows only brings it to the front.
    e2e_click_icon "$icon" 1
    e2e_wait_for "the window to have the focus" e2e_is_active "$window"
    e2e_is_restored "$window" || e2e_fail "the window changed on a click while shown"
}

case_closing_the_window_ends_the_program() {
    e2e_fake_power ac
    e2e_start_app
    local window
    window=$(e2e_main_window)
    e2e_tray_icon >/dev/null
    e2e_close "$window"
    e2e_wait_app_exit
    e2e_expect_clean_end
}

# SIGTERM while the start-up balloon waits (before the event loop has started),
# SIGHUP while a minimise's balloon waits, SIGINT while the window shows.
case_termination_signals_run_the_normal_shutdown() {
    e2e_fake_power ac
    local window

    e2e_write_settings 'Windows%20Startup=On' 'Minimized=On'
    e2e_start_app
    e2e_tray_icon >/dev/null
    e2e_wait_for "the start-up balloon" e2e_find_balloon >/dev/null
    e2e_stop_app TERM
    e2e_expect_clean_end

    rm -f "$(e2e_settings_file)"
    e2e_start_app
    window=$(e2e_main_window)
    e2e_tray_icon >/dev/null
    e2e_minimise "$window"
    e2e_wait_for "the balloon" e2e_find_balloon >/dev/null
    e2e_stop_app HUP
    e2e_expect_clean_end

    e2e_start_app
    e2e_main_window >/dev/null
    e2e_tray_icon >/dev/null
    e2e_stop_app INT
    e2e_expect_clean_end
}
