#!/usr/bin/env bash
# The program of the package, unpacked, on the end-to-end desktop (../e2e): it
# starts, shows its window and its tray icon, logs, and writes the autostart
# entry that the package's removal must take away (kept among the artifacts).
# usage: installed.sh <unpacked tessaline> <artifacts folder>
# PACKAGE_WM_CLASS: the StartupWMClass of the package's desktop entry.
# shellcheck disable=SC2317  # the case runs through e2e_main
set -u
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=../e2e/lib.sh
. "$here/../e2e/lib.sh"
# The log line's pattern and the start-with-the-system box and entry.
# shellcheck source=../e2e/cases/start.sh
. "$here/../e2e/cases/start.sh"
# shellcheck source=../e2e/cases/startup.sh
. "$here/../e2e/cases/startup.sh"

# Whether one of the window's WM_CLASS names (instance or class) is the one the
# desktop entry gives, by which docks and task bars match it to the entry.
installed_wm_class_matches() {
    xprop -id "$1" WM_CLASS | grep -Fq "\"$PACKAGE_WM_CLASS\""
}

case_installed_program_starts_and_logs() {
    [ -n "${PACKAGE_WM_CLASS:-}" ] || e2e_fail "PACKAGE_WM_CLASS is not set"
    e2e_fake_power battery 75 5400
    e2e_write_settings OftenIndex=1 StartStopState=On
    e2e_start_app
    local window
    window=$(e2e_main_window)
    e2e_tray_icon >/dev/null
    e2e_wait_for "the first entry" e2e_log_has_lines 1
    e2e_expect_log_lines_match "$START_LOG_LINE"
    installed_wm_class_matches "$window" ||
        e2e_fail "WM_CLASS is $(xprop -id "$window" WM_CLASS), not $PACKAGE_WM_CLASS"
    e2e_screenshot shown "$window"

    # shellcheck disable=SC2086
    e2e_click_at "$window" $STARTUP_BOX_AT
    e2e_wait_for "the autostart entry" startup_entry_exists
    cp "$(startup_entry)" "$E2E_CASE_ARTIFACTS/autostart.desktop"

    e2e_stop_app TERM
    e2e_expect_status 0
}

e2e_main "$@" case_installed_program_starts_and_logs
