# shellcheck shell=bash
# Bad settings: every key with values of every bad kind, and settings files that
# are not INI or cannot be read. The program starts, reports what start-up
# reports (a bad OftenIndex, a file it cannot read), and keeps every value as it
# found it.

# The key names as the settings file spells them.
FAULT_ON_OFF_KEYS=(StartStopState 'Windows%20Startup' Minimized)

# fault_bad_settings <reports> <OftenIndex> <on/off value>: starts with OftenIndex
# and the three on/off keys set as given (raw text of the file). A bad OftenIndex
# is reported by start-up (its conversion, its selection, or both: <reports>);
# the on/off keys count as "Off" without a word: no entry is logged, no start-up
# entry is made, the window opens normally. Every line stays as it was.
fault_bad_settings() {
    local reports=$1 key
    local lines=("OftenIndex=$2")
    for key in "${FAULT_ON_OFF_KEYS[@]}"; do lines+=("$key=$3"); done
    e2e_fake_power battery 60 1800
    e2e_write_settings "${lines[@]}"

    e2e_start_app_past_reports
    e2e_tray_icon >/dev/null
    # A tick that ran would log or report within its one second.
    e2e_answer_reports_for 1.2
    e2e_expect_reports "$reports"
    fault_expect_running
    [ ! -e "$(e2e_log_file)" ] || e2e_fail "an entry was logged: $(head -c 200 "$(e2e_log_file)")"
    [ -z "$(ls -A "$XDG_CONFIG_HOME/autostart" 2>/dev/null)" ] ||
        e2e_fail "a start-up entry was made"
    # Start-up stores the log path; every other value stays as the user left it.
    fault_expect_settings_lines "${lines[@]}"
    [ "$(e2e_setting Text1)" = "$(e2e_log_file)" ] || e2e_fail "the default path was not stored"
    e2e_stop_app KILL
}

case_settings_empty() { fault_bad_settings 2 '' ''; }
case_settings_non_numeric() { fault_bad_settings 2 abc abc; }
case_settings_out_of_range_high() { fault_bad_settings 1 13 Yes; }
case_settings_out_of_range_zero() { fault_bad_settings 1 0 2; }
case_settings_beyond_16_bits() { fault_bad_settings 2 32768 1; }
case_settings_negative() { fault_bad_settings 1 -1 -1; }
case_settings_huge() { fault_bad_settings 2 99999999999999999999 "$(fault_repeat On 50000)"; }
case_settings_huge_number() { fault_bad_settings 2 "$(fault_repeat 9 100000)" "$(fault_repeat 9 100000)"; }
case_settings_lower_case() { fault_bad_settings 2 two on; }
case_settings_list_like() { fault_bad_settings 2 1,2 'On,Off'; }
# A quoted value is decoded; these hold quote characters of their own.
case_settings_quoted() { fault_bad_settings 2 '"\"2\""' '"\"On\""'; }
case_settings_single_quoted() { fault_bad_settings 2 "'2'" "'On'"; }
case_settings_non_ascii() { fault_bad_settings 2 '２' 'Ön'; }
case_settings_not_utf8() { fault_bad_settings 2 $'\xb2' $'On\xff'; }

# fault_bad_log_setting <Text1 value> <relative log file, or "report">: starts
# logging every second to the path as stored. A path the system refuses is
# reported (fault_refused_path); any other name is a file, relative to the
# folder the program was started in, that gets whole entries.
fault_bad_log_setting() {
    if [ "$2" = report ]; then
        fault_refused_path "$1"
    else
        fault_accepted_path "$1" "$E2E_CASE_DIR/$2"
    fi
    e2e_stop_app KILL
}

case_log_setting_empty() { fault_bad_log_setting '' report; }
case_log_setting_non_numeric() { fault_bad_log_setting abc abc; }
case_log_setting_negative() { fault_bad_log_setting -1 -1; }
case_log_setting_huge() { fault_bad_log_setting "$(fault_repeat x 100000)" report; }
case_log_setting_lower_case() { fault_bad_log_setting on on; }
case_log_setting_list_like() { fault_bad_log_setting 'a.txt,b.txt' 'a.txt,b.txt'; }
case_log_setting_quoted() { fault_bad_log_setting '"\"q.txt\""' '"q.txt"'; }
case_log_setting_non_ascii() { fault_bad_log_setting 'Jörg 日本.txt' 'Jörg 日本.txt'; }

# fault_settings_file_ignored [<reports>]: with a settings file it cannot use,
# the program starts with every default. A file it reads but cannot make sense
# of says nothing; one it cannot read is reported once (<reports> 1).
fault_settings_file_ignored() {
    e2e_fake_power battery 60 1800
    e2e_start_app_past_reports
    e2e_answer_reports_for 1.2
    e2e_expect_reports "${1:-0}"
    fault_expect_running
    [ ! -e "$(e2e_log_file)" ] || e2e_fail "an entry was logged"
}

# A file of random bytes: defaults at start; storing the path keeps those bytes.
case_settings_file_of_random_bytes() {
    local file copy="$E2E_CASE_DIR/settings.copy"
    file=$(e2e_settings_file)
    fault_random_bytes 4096 >"$file"
    cp "$file" "$copy"
    fault_settings_file_ignored
    fault_expect_prefix "$file" "$copy"
    [ "$(e2e_setting Text1)" = "$(e2e_log_file)" ] || e2e_fail "the path was not stored"
    e2e_stop_app KILL
}

# Lines that are neither sections nor keys are passed over and kept.
case_settings_file_not_ini() {
    local file
    file=$(e2e_settings_file)
    printf '%s\n' '[Tessaline' 'OftenIndex 1' '=On' 'StartStopState' '[]' '==' >"$file"
    fault_settings_file_ignored
    fault_expect_settings_lines '[Tessaline' 'OftenIndex 1' '=On' 'StartStopState' '[]' '=='
    e2e_stop_app KILL
}

# A file in UTF-16, as some editors save it: not read, not damaged.
case_settings_file_in_utf16() {
    local file copy="$E2E_CASE_DIR/settings.copy"
    file=$(e2e_settings_file)
    printf '\xff\xfe' >"$file"
    printf '[Tessaline]\r\nOftenIndex=1\r\nStartStopState=On\r\n' | iconv -f UTF-8 -t UTF-16LE >>"$file"
    cp "$file" "$copy"
    fault_settings_file_ignored
    fault_expect_prefix "$file" "$copy"
    e2e_stop_app KILL
}

# A UTF-8 file that an editor began with a byte order mark: read as it is.
case_settings_file_with_byte_order_mark() {
    e2e_fake_power battery 60 1800
    printf '\xef\xbb\xbf[Tessaline]\r\nOftenIndex=1\r\nStartStopState=On\r\n' >"$(e2e_settings_file)"
    e2e_start_app_past_reports
    e2e_expect_reports 0
    fault_wait_lines "$(e2e_log_file)" 2
    e2e_expect_reports 0
    fault_expect_whole_lines "$(e2e_log_file)"
    [ "$(grep -cF '[Tessaline]' "$(e2e_settings_file)")" -eq 1 ] ||
        e2e_fail "a second section was added: $(cat -A "$(e2e_settings_file)")"
    e2e_stop_app KILL
}

# A folder where the file should be: the failed read reported, the failed store
# of the path named in the diagnostic output, the folder left alone.
case_settings_file_is_a_folder() {
    local file
    file=$(e2e_settings_file)
    mkdir -p "$file"
    fault_settings_file_ignored 1
    fault_expect_warning "Text1_Change"
    [ -d "$file" ] || e2e_fail "the folder was replaced"
    e2e_stop_app KILL
}

# A named pipe with nobody writing to it: start-up must not wait for one.
case_settings_file_is_a_pipe() {
    mkfifo "$(e2e_settings_file)"
    fault_settings_file_ignored 1
    e2e_stop_app KILL
}

# A file without read permission, for a user without rights over it.
case_settings_file_unreadable() {
    local file
    file=$(e2e_settings_file)
    e2e_write_settings OftenIndex=1 StartStopState=On
    e2e_as_user
    chmod 000 "$file"
    fault_settings_file_ignored 1
    chmod 600 "$file"
    fault_expect_settings_lines OftenIndex=1 StartStopState=On
    e2e_stop_app KILL
}

# A settings file kept in a dotfiles folder and linked from ~/.config: what the
# program stores goes to the dotfiles' file, and the link stays as it points.
settings_has() { [ -n "$(e2e_setting "$1")" ]; }

case_settings_file_linked_into_a_dotfiles_folder() {
    local file dotfile="$HOME/dotfiles/Quorvane.conf"
    file=$(e2e_settings_file)
    mkdir -p "$(dirname "$dotfile")"
    printf '[Tessaline]\nOftenIndex=4\n' >"$dotfile"
    ln -s ../dotfiles/Quorvane.conf "$file"
    e2e_fake_power battery 60 1800
    e2e_start_app_past_reports
    # Start-up stores the log path.
    e2e_wait_for "the log path stored" settings_has Text1
    [ "$(readlink "$file")" = ../dotfiles/Quorvane.conf ] || e2e_fail "the link was replaced"
    grep -Fxq "Text1=$(e2e_log_file)" "$dotfile" || e2e_fail "the dotfile lacks the log path"
    grep -Fxq 'OftenIndex=4' "$dotfile" || e2e_fail "the dotfile lost OftenIndex"
    [ "$(ls -A "$HOME/dotfiles")" = Quorvane.conf ] ||
        e2e_fail "files left beside the dotfile: $(ls -A "$HOME/dotfiles")"
    e2e_expect_reports 0
    fault_expect_running
    e2e_stop_app KILL
}
