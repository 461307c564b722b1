# shellcheck shell=bash
# The program starts on a desktop, shows its window and ends when terminated.

case_starts_shows_its_window_and_ends_on_sigterm() {
    e2e_fake_power battery 75
    e2e_start_app

    local window
    window=$(e2e_main_window)
    e2e_screenshot shown "$window"
    e2e_stop_app TERM

    # Ended by its own shutdown (0) or by the signal itself (128 + 15); not by a
    # crash and not left hanging.
    e2e_expect_status 0 143
    [ -z "$(e2e_app_windows)" ] || e2e_fail "windows left behind: $(e2e_app_windows)"
}
