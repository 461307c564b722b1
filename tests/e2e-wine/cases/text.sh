# shellcheck shell=bash
# Text between the program and Windows: a TEMP folder in the user's letters,
# and an ANSI code page that is not Western.

# e2e_log_one_entry: "Log Battery Level Now (Test)" writes one
# entry into the default log, whose text (in E2E_LOG_CHARSET) reads as a line.
e2e_log_one_entry() {
    e2e_click_control Tessaline "$E2E_PUSHBUTTON6"
    e2e_wait_for "the entry" e2e_log_has_lines 1
    local line
    line=$(e2e_log_lines)
    case $line in
    *'?'* | '') e2e_fail "the entry reads '$line'" ;;
    *' Running on AC Power') ;;
    *) e2e_fail "the entry reads '$line'" ;;
    esac
}

# TEMP in letters of the ANSI code page, but not ASCII: the default path names
# that folder, and the entry goes into it.
case_a_temp_folder_with_accents_holds_the_log() {
    e2e_set_temp "C:\\users\\$(id -un)\\Temp\\Zoë Ünal"
    e2e_start_to_window
    e2e_log_one_entry
    e2e_setting_is Text1 "$E2E_TEMP_WIN\\Tessaline.txt" ||
        e2e_fail "Text1 is '$(e2e_setting Text1)'"
    e2e_close_and_expect_clean_end
}

# TEMP in letters that the ANSI code page lacks: the first start logs there,
# the registry holds the path whole, and the second start logs to the same
# file without an error report.
case_a_temp_folder_outside_the_code_page_holds_the_log() {
    e2e_set_temp "C:\\users\\$(id -un)\\Temp\\$E2E_NAME_OUTSIDE_THE_CODE_PAGE"
    e2e_start_to_window
    e2e_log_one_entry
    e2e_setting_is Text1 "$E2E_TEMP_WIN\\Tessaline.txt" ||
        e2e_fail "Text1 is '$(e2e_setting Text1)'"
    e2e_close_and_expect_clean_end
    e2e_start_to_window
    e2e_click_control Tessaline "$E2E_PUSHBUTTON6"
    e2e_wait_for "the second entry in the same log" e2e_log_has_lines 2
    e2e_no_dialog 'Application Error' || e2e_fail "an error report: $(e2e_dialog 'Application Error')"
    e2e_close_and_expect_clean_end
}

# A Greek system (ANSI code page 1253): the path, the registry value, the
# window's texts and the log's date and time all in Greek letters.
case_a_greek_code_page_keeps_greek_letters() {
    E2E_LOCALE=el_GR.ISO-8859-7
    E2E_LOG_CHARSET=CP1253
    e2e_set_temp "C:\\users\\$(id -un)\\Temp\\Δοκιμή"
    e2e_start_to_window
    e2e_log_one_entry
    e2e_setting_is Text1 "$E2E_TEMP_WIN\\Tessaline.txt" ||
        e2e_fail "Text1 is '$(e2e_setting Text1)'"
    e2e_screenshot_window greek Tessaline
    e2e_close_and_expect_clean_end
}
