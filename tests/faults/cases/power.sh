# shellcheck shell=bash
# Bad power data while logging every second. Each sample reads the power-supply
# tree afresh, so one run goes through every kind of bad data: whatever the
# tree holds, each entry is a whole line of one of the two forms, nothing is
# reported, and good data is read right again afterwards.

# The battery's and the mains supply's attribute files.
FAULT_BATTERY_FILES=(type present status capacity time_to_empty_now energy_now energy_full
    power_now charge_now charge_full current_now voltage_now voltage_min_design)

# fault_set_attributes <value>: every attribute file of both supplies holds the value.
fault_set_attributes() {
    local tree=$TESSALINE_POWER_SUPPLY_DIR name
    mkdir -p "$tree/AC" "$tree/BAT0"
    for name in "${FAULT_BATTERY_FILES[@]}"; do printf '%s' "$1" >"$tree/BAT0/$name"; done
    printf '%s' "$1" >"$tree/AC/online"
}

# The numbers themselves are bad, the supplies still say what they are.
fault_set_numbers() {
    fault_set_attributes "$1"
    echo Battery >"$TESSALINE_POWER_SUPPLY_DIR/BAT0/type"
    echo Discharging >"$TESSALINE_POWER_SUPPLY_DIR/BAT0/status"
    echo Mains >"$TESSALINE_POWER_SUPPLY_DIR/AC/type"
}

fault_power_empty() { fault_set_attributes ''; }
fault_power_non_numeric() { fault_set_numbers 'abc'; }
fault_power_negative() { fault_set_numbers '-5'; }
fault_power_huge() { fault_set_numbers 99999999999999999999999; }
fault_power_int64_limit() { fault_set_numbers 9223372036854775807; }
fault_power_fraction() { fault_set_numbers 12.5e3; }
fault_power_long_file() { fault_set_numbers "$(fault_repeat 7 10000)"; }
fault_power_random_bytes() {
    local name
    fault_set_attributes ''
    for name in "${FAULT_BATTERY_FILES[@]}"; do
        fault_random_bytes 48 >"$TESSALINE_POWER_SUPPLY_DIR/BAT0/$name"
    done
}
fault_power_missing_files() {
    rm -rf "${TESSALINE_POWER_SUPPLY_DIR:?}"/*
    mkdir -p "$TESSALINE_POWER_SUPPLY_DIR/AC" "$TESSALINE_POWER_SUPPLY_DIR/BAT0"
    echo Battery >"$TESSALINE_POWER_SUPPLY_DIR/BAT0/type"
}
fault_power_attributes_are_folders() {
    local name
    rm -rf "${TESSALINE_POWER_SUPPLY_DIR:?}"/*
    for name in "${FAULT_BATTERY_FILES[@]}"; do mkdir -p "$TESSALINE_POWER_SUPPLY_DIR/BAT0/$name"; done
    mkdir -p "$TESSALINE_POWER_SUPPLY_DIR/AC/online"
}
# The supply folder itself cannot be read: a file, a loop of links, nothing at all.
fault_power_folder_is_a_file() {
    rm -rf "$TESSALINE_POWER_SUPPLY_DIR"
    echo not a folder >"$TESSALINE_POWER_SUPPLY_DIR"
}
fault_power_folder_is_a_link_loop() {
    rm -rf "$TESSALINE_POWER_SUPPLY_DIR"
    ln -s "$TESSALINE_POWER_SUPPLY_DIR" "$TESSALINE_POWER_SUPPLY_DIR"
}
fault_power_folder_missing() { rm -rf "$TESSALINE_POWER_SUPPLY_DIR"; }
# Without read permission (the case runs the program as a user without rights over it).
fault_power_folder_unreadable() {
    rm -rf "$TESSALINE_POWER_SUPPLY_DIR"
    e2e_fake_power_in_place battery 50 600
    chmod 000 "$TESSALINE_POWER_SUPPLY_DIR"
}
fault_power_supplies_are_files() {
    e2e_fake_power_in_place ac
    rm -rf "${TESSALINE_POWER_SUPPLY_DIR:?}"/*
    echo Battery >"$TESSALINE_POWER_SUPPLY_DIR/BAT0"
    echo Mains >"$TESSALINE_POWER_SUPPLY_DIR/AC"
}

# e2e_fake_power recreates the tree it is given; for the phases that removed it.
e2e_fake_power_in_place() {
    rm -rf "$TESSALINE_POWER_SUPPLY_DIR"
    mkdir -p "$TESSALINE_POWER_SUPPLY_DIR"
    e2e_fake_power "$@"
}

# fault_log_through <phase>...: for each phase, changes the tree and waits for
# the next entry, which nearly always comes from a sample of the changed tree.
fault_log_through() {
    local log phase lines
    log=$(e2e_log_file)
    for phase in "$@"; do
        lines=$(fault_lines "$log")
        # A phase is a command with its arguments.
        # shellcheck disable=SC2086
        $phase
        fault_wait_lines "$log" $((lines + 1))
        e2e_expect_reports 0 || e2e_fail "after $phase" || return 1
        fault_expect_whole_lines "$log" || e2e_fail "after $phase" || return 1
    done
}

# fault_expect_last_line <text>: the newest entry ends with the text.
# fault_log_after <phase>: changes the tree and waits for two more entries, so
# that the newest certainly comes from the changed tree.
fault_log_after() {
    fault_log_through "$1"
    fault_log_through :
}

fault_expect_last_line() {
    local last
    last=$(tail -n 1 "$(e2e_log_file)" | tr -d '\r')
    [ "${last%"$1"}" != "$last" ] || e2e_fail "the last entry '$last' does not end in '$1'"
}

fault_start_logging_on_battery() {
    e2e_fake_power battery 75 5400
    fault_logging_settings
    e2e_start_app_past_reports
    fault_wait_lines "$(e2e_log_file)" 1
    fault_expect_last_line "Battery Level is 75% (1 Hours, 30 Minutes, 0 Seconds remaining on battery)."
}

case_power_attribute_files_go_bad_while_logging() {
    fault_start_logging_on_battery
    fault_log_through fault_power_empty fault_power_non_numeric fault_power_negative \
        fault_power_huge fault_power_int64_limit fault_power_fraction fault_power_long_file \
        fault_power_random_bytes fault_power_missing_files fault_power_attributes_are_folders
    fault_log_after "e2e_fake_power_in_place battery 40 3600"
    fault_expect_last_line "Battery Level is 40% (1 Hours, 0 Minutes, 0 Seconds remaining on battery)."
    fault_expect_running
    e2e_stop_app KILL
}

case_power_supply_folder_unreadable_while_logging() {
    e2e_as_user
    fault_start_logging_on_battery
    fault_log_through fault_power_folder_is_a_file fault_power_folder_is_a_link_loop \
        fault_power_folder_missing fault_power_folder_unreadable fault_power_supplies_are_files
    fault_log_after "e2e_fake_power_in_place battery 40 3600"
    fault_expect_last_line "Battery Level is 40% (1 Hours, 0 Minutes, 0 Seconds remaining on battery)."
    fault_expect_running
    e2e_stop_app KILL
}

case_battery_disappears_and_reappears_while_logging() {
    fault_start_logging_on_battery
    # With no battery left the computer runs on external power, whatever the mains says.
    fault_log_after "rm -rf $TESSALINE_POWER_SUPPLY_DIR/BAT0"
    fault_expect_last_line "Running on AC Power"
    fault_log_after "e2e_fake_power_in_place battery 40 3600"
    fault_expect_last_line "Battery Level is 40% (1 Hours, 0 Minutes, 0 Seconds remaining on battery)."
    fault_expect_running
    e2e_stop_app KILL
}
