# shellcheck shell=bash
# The battery history window of tessaline.exe: it opens from the log list's
# context menu and with Ctrl+H over a week of entries, draws them with the
# periods on AC shaded, takes a new entry while open, and leaves the main
# window working.

HISTORY_TITLE='Battery History'
# The colours of the chart: a period on AC, and the battery's charge.
HISTORY_AC_SHADE='#FCE9B6'
HISTORY_LEVEL_LINE='#1F63B4'
# The summary's id among the history window's controls.
HISTORY_SUMMARY=1000

# history_summary: the summary's text, on one line.
history_summary() { e2e_control "$HISTORY_TITLE" "$HISTORY_SUMMARY" | cut -d' ' -f9-; }

# history_summary_is_not <text>: the summary reads otherwise.
history_summary_is_not() { [ "$(history_summary)" != "$1" ]; }

# history_expect_chart <name>: the window shows, a screenshot of it as
# <name>.png holds the chart's colours.
history_expect_chart() {
    e2e_wait_for "the history window" e2e_window_shown "$HISTORY_TITLE" || return 1
    e2e_wait_for "the history in front" e2e_is_foreground "$HISTORY_TITLE" || return 1
    e2e_screenshot_window "$1" "$HISTORY_TITLE"
    local colours
    colours=$(convert "$E2E_CASE_ARTIFACTS/$1.png" -format %c histogram:info:-)
    grep -qi "$HISTORY_AC_SHADE" <<<"$colours" || e2e_fail "no period on AC in $1.png"
    grep -qi "$HISTORY_LEVEL_LINE" <<<"$colours" || e2e_fail "no battery line in $1.png"
}

# The main window in front of the history, which covers its caption: the tray
# icon brings it there.
history_main_window_to_front() {
    e2e_click_tray_icon
    e2e_wait_for "the main window in front" e2e_is_foreground Tessaline
}

case_history_opens_from_the_context_menu_and_with_ctrl_h() {
    # The entries as the program writes them in English (United States).
    e2e_write_week "$(e2e_log_file)" '+%-m/%-d/%Y %-I:%M:%S %p' ' 12:00:00 AM'
    e2e_start_to_window
    local list x y w h
    list=$(e2e_control Tessaline "$E2E_LISTVIEW1")
    read -r _ _ _ _ x y w h _ <<<"$list"
    e2e_click_at $((x + w / 2)) $((y + h / 2)) 3
    e2e_wait_for "the log list's context menu" e2e_menu_shown || return 1
    xdotool key Down Return
    history_expect_chart history_from_menu || return 1
    # Every line of the week read back in the writer's format.
    case $(history_summary) in
    *skipped*) e2e_fail "the summary reads '$(history_summary)'" ;;
    10[0-9][0-9]' entries read'*) ;;
    *) e2e_fail "the summary reads '$(history_summary)'" ;;
    esac

    e2e_close "$HISTORY_TITLE"
    e2e_wait_for "the history to close" e2e_window_hidden "$HISTORY_TITLE"
    e2e_window_shown Tessaline || e2e_fail "the main window went with the history"

    e2e_activate Tessaline
    xdotool key --clearmodifiers ctrl+h
    history_expect_chart history_from_ctrl_h || return 1

    # A new entry shows in the open window, behind the main window, which the
    # tray icon brings to the front.
    local before
    before=$(history_summary)
    history_main_window_to_front
    e2e_click_control Tessaline "$E2E_PUSHBUTTON6"
    e2e_wait_for "the history to take the new entry" history_summary_is_not "$before"
    xdotool key --clearmodifiers ctrl+h
    e2e_wait_for "the history in front" e2e_is_foreground "$HISTORY_TITLE"
    e2e_screenshot_window history_after_an_entry "$HISTORY_TITLE"

    # The main window's close, with the history open over it, ends the program.
    history_main_window_to_front
    xdotool key --clearmodifiers alt+F4
    e2e_wait_app_exit
    e2e_expect_clean_end
}

# history_inside_the_work_area: the history window lies inside the desktop
# above its taskbar, its caption and close box among what can be seen.
history_inside_the_work_area() {
    local x y w h taskbar_top
    read -r _ _ _ x y w h <<<"$(e2e_window_state "$HISTORY_TITLE")"
    read -r _ taskbar_top _ _ <<<"$(e2e_probe taskbar)"
    [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le "${E2E_DESKTOP_SIZE%x*}" ] &&
        [ $((y + h)) -le "$taskbar_top" ]
}

# At 192 dots per inch the history's layout is larger than the desktop: the
# window stands inside the work area, its charts drawn over the whole of their
# surfaces (history_192dpi.png).
case_history_at_192_dpi_fits_the_work_area() {
    e2e_wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 192 /f >/dev/null
    e2e_write_week "$(e2e_log_file)" '+%-m/%-d/%Y %-I:%M:%S %p' ' 12:00:00 AM'
    e2e_start_to_window
    e2e_activate Tessaline
    xdotool key --clearmodifiers ctrl+h
    history_expect_chart history_192dpi || return 1
    history_inside_the_work_area ||
        e2e_fail "the history window stands at $(e2e_window_state "$HISTORY_TITLE")"
    e2e_close "$HISTORY_TITLE"
    e2e_wait_for "the history to close" e2e_window_hidden "$HISTORY_TITLE"
    e2e_close_and_expect_clean_end
}

# history_read_whole: the summary says what the whole log holds.
history_read_whole() {
    case $(history_summary) in
    *' entries read'*) return 0 ;;
    *) return 1 ;;
    esac
}

# A log of about 100 MB opens while the program logs every second: it is read
# a slice at a time between the program's events, no entry goes missing
# meanwhile, and the history shows once the log is read.
case_a_large_history_opens_while_logging_every_second() {
    e2e_write_large "$(e2e_log_file)" 24 '+%-m/%-d/%Y' 12
    e2e_put_setting OftenIndex 1
    e2e_put_setting StartStopState On
    e2e_start_to_window
    local first lines
    first=$(($(e2e_log_line_count) + 1))
    e2e_wait_for "the logging to run" e2e_log_has_lines $((first + 1))
    e2e_activate Tessaline
    xdotool key --clearmodifiers ctrl+h
    e2e_poll 180 history_read_whole || e2e_fail "the history did not read the log within 3 minutes"
    e2e_screenshot_window large_history_read "$HISTORY_TITLE"
    lines=$(e2e_log_line_count)
    e2e_wait_for "two more entries" e2e_log_has_lines $((lines + 2))
    history_main_window_to_front
    xdotool key --clearmodifiers alt+F4
    e2e_wait_app_exit
    e2e_expect_clean_end
    e2e_expect_every_second "$first"
}
