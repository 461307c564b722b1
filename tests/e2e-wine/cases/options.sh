# shellcheck shell=bash
# Start with Windows.

# The box writes the Run value, the program's path in double quotes, and
# shows the "Minimized to system tray" box; unticked, the value goes. The
# program is in a folder named in letters that the ANSI code page lacks (a
# copy installed for a user whose profile folder has them): the value names it
# exactly.
case_start_with_windows_writes_the_quoted_run_value() {
    E2E_PROGRAM_WIN="C:\\Program Files\\Tessaline\\$E2E_NAME_OUTSIDE_THE_CODE_PAGE\\tessaline.exe"
    e2e_start_to_window
    e2e_click_control Tessaline "$E2E_CHECK4"
    e2e_wait_for "Windows Startup On" e2e_setting_is 'Windows Startup' On
    local value
    value=$(e2e_reg_query "$E2E_RUN_KEY" tessaline.exe) || e2e_fail "no Run value"
    [ "$value" = "\"$E2E_PROGRAM_WIN\"" ] || e2e_fail "the Run value is $value"
    e2e_wait_for "Check8 to show" e2e_control_visible Tessaline "$E2E_CHECK8"
    e2e_screenshot_window startup_options Tessaline
    e2e_click_control Tessaline "$E2E_CHECK4"
    e2e_wait_for "Windows Startup Off" e2e_setting_is 'Windows Startup' Off
    ! e2e_reg_query "$E2E_RUN_KEY" tessaline.exe >/dev/null || e2e_fail "the Run value stayed"
    e2e_close_and_expect_clean_end
}
