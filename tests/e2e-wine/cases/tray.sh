# shellcheck shell=bash
# Minimising into the tray and back.

# Minimising hides the window (no taskbar button either), the balloon comes up
# and the icon stays; a click on the icon brings the window back in front.
case_minimising_hides_into_the_tray_and_the_icon_brings_it_back() {
    e2e_start_to_window
    e2e_minimise Tessaline
    e2e_wait_for "the window to hide" e2e_window_hidden Tessaline
    e2e_wait_for "the balloon" e2e_balloon_shown
    e2e_screenshot tray_with_balloon
    e2e_tray_has_icon || e2e_fail "the icon left the tray"
    e2e_click_tray_icon
    e2e_wait_for "the window to come back" e2e_main_window_shown
    e2e_wait_for "the window in front" e2e_is_foreground Tessaline
    e2e_screenshot_window restored Tessaline
    e2e_close_and_expect_clean_end
}
