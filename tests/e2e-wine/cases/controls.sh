# shellcheck shell=bash
# The ids of the main window's controls: 1000 + their place in the design.
E2E_LISTVIEW1=1002
E2E_CHECK4=1007
E2E_CHECK8=1008
E2E_PUSHBUTTON5=1009
E2E_PUSHBUTTON6=1010
E2E_LISTVIEW2=1015

# The program's settings and its Run value.
E2E_RUN_KEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Run'

# A name in letters that the ANSI code page of the English prefix (1252) lacks,
# as a user's profile folder may have them. They are letters of its OEM code
# page (437), in which `wine reg query` writes, so that what the registry holds
# reads back whole.
E2E_NAME_OUTSIDE_THE_CODE_PAGE='ΦΩΣ'

# Starts the program and waits for its window and its tray icon.
e2e_start_to_window() {
    e2e_start_app
    e2e_wait_for "the main window" e2e_main_window_shown
    e2e_wait_for "the tray icon" e2e_tray_has_icon
}

# Closes the main window and expects the program to end with status 0, its
# icon gone from the notification area.
e2e_close_and_expect_clean_end() {
    e2e_close Tessaline
    e2e_wait_app_exit
    e2e_expect_clean_end
}

# e2e_setting_is <key> <value>: the stored setting has that value.
e2e_setting_is() { [ "$(e2e_setting "$1")" = "$2" ]; }

# e2e_log_lines: the lines of the default log, in UTF-8, without their CR.
e2e_log_lines() {
    iconv -f "${E2E_LOG_CHARSET:-CP1252}" -t UTF-8 "$(e2e_log_file)" | tr -d '\r'
}
