# shellcheck shell=bash
# The first start, an entry a second, the error report of a bad setting.

# An empty registry: the window comes up with its tray icon, and the settings
# hold the default log path only; the close ends the program.
case_first_start_shows_the_window_and_stores_the_default_path() {
    e2e_start_to_window
    e2e_screenshot_window shown Tessaline
    e2e_screenshot desktop
    [ "$(e2e_setting Text1)" = "$E2E_TEMP_WIN\\Tessaline.txt" ] ||
        e2e_fail "Text1 is '$(e2e_setting Text1)'"
    local key
    for key in OftenIndex StartStopState 'Windows Startup' Minimized; do
        [ -z "$(e2e_setting "$key")" ] || e2e_fail "$key stored at the first start"
    done
    e2e_control Tessaline "$E2E_PUSHBUTTON5" | grep -q 'Turn On Automatic Log$' ||
        e2e_fail "the switch does not read 'Turn On Automatic Log'"
    ! e2e_control_visible Tessaline "$E2E_CHECK8" || e2e_fail "Check8 shows"
    e2e_close_and_expect_clean_end
}

# The user picks "Log every 1 second" and turns automatic logging on: one
# entry a second, each in a second of its own.
case_log_every_second_writes_an_entry_each_second() {
    e2e_start_to_window
    e2e_click_control Tessaline "$E2E_LISTVIEW2"
    xdotool key Home
    e2e_wait_for "OftenIndex 1" e2e_setting_is OftenIndex 1
    e2e_click_control Tessaline "$E2E_PUSHBUTTON5"
    e2e_wait_for "StartStopState On" e2e_setting_is StartStopState On
    e2e_wait_for "four entries" e2e_log_has_lines 4
    e2e_screenshot_window logging Tessaline
    e2e_close_and_expect_clean_end
    e2e_expect_log_lines_match \
        '[0-9]{1,2}/[0-9]{1,2}/[0-9]{4} [0-9]{1,2}:[0-9]{2}:[0-9]{2} (AM|PM) Running on AC Power'
    # Each entry follows the one before by the interval plus the time the
    # entry takes: 1 or 2 seconds.
    local gaps
    gaps=$(e2e_log_lines | awk '{
        split($2, t, ":")
        s = (t[1] % 12 + ($3 == "PM" ? 12 : 0)) * 3600 + t[2] * 60 + t[3]
        if (NR > 1) print (s - last + 86400) % 86400
        last = s
    }' | sort -u | tr '\n' ' ')
    case $gaps in
    '1 ' | '1 2 ' | '2 ') ;;
    *) e2e_fail "entries apart by $gaps seconds" ;;
    esac
}

# A stored OftenIndex that is not a number: the load reports lines 162 and
# 164, and the program goes on with its window.
case_a_bad_interval_setting_shows_the_error_report() {
    e2e_put_setting OftenIndex x
    e2e_start_app
    local line text
    for line in 162 164; do
        e2e_wait_for "the error report" e2e_dialog_shown 'Application Error'
        text=$(e2e_dialog 'Application Error' | head -n 1)
        case $text in
        *"Form1.Form_Load at line $line"*) ;;
        *) e2e_fail "report for line $line reads: $text" ;;
        esac
        [ "$line" = 162 ] && e2e_screenshot error_report
        e2e_answer_dialog 'Application Error' OK
    done
    e2e_wait_for "the main window" e2e_main_window_shown
    e2e_app_running || e2e_fail "the program ended"
    e2e_close_and_expect_clean_end
}
