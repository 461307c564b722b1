# shellcheck shell=bash
# Starting with the system: the check box writes a desktop entry that the
# desktop's own validator accepts, and clearing it removes the entry.

# The "Load this software on Windows startup" box, in window pixels.
STARTUP_BOX_AT='30 380'

startup_entry() { echo "$XDG_CONFIG_DIRS/autostart/example.quorvane.Tessaline.desktop"; }
startup_entry_exists() { [ -f "$(startup_entry)" ]; }
startup_entry_gone() { ! startup_entry_exists; }
startup_setting_is() { [ "$(e2e_setting 'Windows%20Startup')" = "$1" ]; }

case_start_with_the_system_box_writes_a_valid_entry() {
    command -v desktop-file-validate >/dev/null || e2e_fail "desktop-file-validate is missing"
    e2e_fake_power ac
    e2e_start_app
    local window
    window=$(e2e_main_window)

    # shellcheck disable=SC2086
    e2e_click_at "$window" $STARTUP_BOX_AT
    e2e_wait_for "the autostart entry" startup_entry_exists
    e2e_wait_for "Windows Startup On" startup_setting_is On
    desktop-file-validate "$(startup_entry)" || e2e_fail "the entry does not validate"
    grep -q "^Exec=\"$(realpath "$E2E_APP")\"$" "$(startup_entry)" ||
        e2e_fail "the entry does not start $(realpath "$E2E_APP")"
    e2e_screenshot startup_checked "$window"

    # shellcheck disable=SC2086
    e2e_click_at "$window" $STARTUP_BOX_AT
    e2e_wait_for "the entry to go" startup_entry_gone
    e2e_wait_for "Windows Startup Off" startup_setting_is Off

    e2e_stop_app TERM
    e2e_expect_status 0
}
