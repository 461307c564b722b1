# shellcheck shell=bash
# Bad log paths while logging every second: a path the system refuses is
# reported once, not at every tick; the program goes on, and no existing
# content is lost.

# fault_accepted_path <path> [<file>]: logging to the path writes whole
# entries there (into the file, when the path is relative to the folder the
# program started in).
fault_accepted_path() {
    local file=${2:-$1}
    e2e_fake_power battery 60 1800
    fault_logging_settings "Text1=$1"
    e2e_start_app_past_reports
    fault_wait_lines "$file" 3
    e2e_expect_reports 0
    fault_expect_whole_lines "$file"
    fault_expect_running
}

case_log_path_empty() {
    fault_refused_path ''
    e2e_stop_app KILL
}

case_log_path_is_a_folder() {
    fault_refused_path "$TEMP"
    [ -d "$TEMP" ] && [ -z "$(ls -A "$TEMP")" ] || e2e_fail "the folder was changed"
    e2e_stop_app KILL
}

case_log_path_in_a_missing_folder() {
    fault_refused_path "$E2E_CASE_DIR/missing/Tessaline.txt"
    [ ! -e "$E2E_CASE_DIR/missing" ] || e2e_fail "the missing folder was made"
    e2e_stop_app KILL
}

case_log_path_disk_full() {
    [ -w /dev/full ] || { e2e_note "skipped: no /dev/full here"; return 0; }
    fault_refused_path /dev/full
    e2e_stop_app KILL
}

# A named pipe that nobody reads: each entry is refused at once, none waits.
case_log_path_is_a_pipe_without_reader() {
    mkfifo "$E2E_CASE_DIR/pipe"
    fault_refused_path "$E2E_CASE_DIR/pipe"
    e2e_stop_app KILL
}

# A named pipe chosen as the log, with a reader: entries reach it. Once the
# reader stops reading and the pipe is full, the entries are refused at once and
# reported (the window is not held up, the close by SIGTERM is heard); once the
# reader is gone, entries find nobody to read them and that is reported, and
# nothing ends the program; a new reader gets the entries again.
case_log_path_is_a_pipe_whose_reader_stops_and_goes() {
    local pipe="$E2E_CASE_DIR/pipe" read="$E2E_CASE_DIR/read" reader
    mkfifo "$pipe"
    cat "$pipe" >"$read" 2>/dev/null </dev/null &
    reader=$!
    # shellcheck disable=SC2064  # the reader's pid, now
    trap "fault_end_case_stopping $reader" EXIT
    # A writer of the case's own keeps the pipe open between the program's
    # entries, so that the reader reads on rather than ending at the first.
    exec 3>"$pipe"
    e2e_fake_power battery 60 1800
    fault_logging_settings "Text1=$pipe"
    e2e_start_app_past_reports
    fault_wait_lines "$read" 2
    fault_expect_whole_lines "$read"
    kill -STOP "$reader"
    # What the reader leaves unread fills the pipe (64 KiB).
    dd if=/dev/zero bs=4096 count=64 oflag=nonblock >&3 2>/dev/null || true
    fault_wait_reports $((E2E_REPORTS + 1))
    kill -KILL "$reader"
    wait "$reader" 2>/dev/null || true
    fault_wait_reports $((E2E_REPORTS + 1))
    fault_expect_running
    # Once nobody holds it, the pipe is empty again; a new reader reads on.
    exec 3>&-
    cat "$pipe" >"$read.again" 2>/dev/null </dev/null &
    reader=$!
    # shellcheck disable=SC2064
    trap "fault_end_case_stopping $reader" EXIT
    exec 3>"$pipe"
    fault_wait_lines "$read.again" 2
    fault_expect_whole_lines "$read.again"
    exec 3>&-
    e2e_stop_app TERM
    e2e_expect_status 0
}

# Clear Log removes a regular file only: a device node (made in the case's folder
# by root; for anyone else the system's /dev/null, which only root could remove)
# is reported and stays.
case_clear_log_of_a_device_node_reports_it_and_leaves_it() {
    local node="$E2E_CASE_DIR/null"
    if [ "$(id -u)" -eq 0 ]; then mknod -m 666 "$node" c 1 3; else node=/dev/null; fi
    e2e_write_settings "Text1=$node"
    e2e_start_app_past_reports
    # shellcheck disable=SC2086
    fault_click_twips "$(e2e_main_window)" $FAULT_CLEAR_LOG
    fault_answer_question
    fault_wait_reports 1
    [ -c "$node" ] || e2e_fail "Clear Log removed the device node $node"
    fault_expect_running
    e2e_stop_app KILL
}

# A file the program may not write to keeps every byte it had.
case_log_path_read_only() {
    local log copy="$E2E_CASE_DIR/log.copy"
    log=$(e2e_log_file)
    printf '1 Dec 2026 10:00:00 Running on AC Power\r\n' >"$log"
    cp "$log" "$copy"
    e2e_as_user
    chmod a-w "$log"
    fault_refused_path "$log"
    cmp -s "$log" "$copy" || e2e_fail "the read-only log was changed"
    e2e_stop_app KILL
}

# A path of 4,000 characters: as one name too long for the file system it is
# refused; through folders that exist, it is a path like any other.
case_log_path_of_4000_characters_too_long() {
    fault_refused_path "$E2E_CASE_DIR/$(fault_repeat x $((4000 - ${#E2E_CASE_DIR} - 1)))"
    e2e_stop_app KILL
}

case_log_path_of_4000_characters_through_folders() {
    local path=$E2E_CASE_DIR
    while [ $((${#path} + 201)) -lt 4000 ]; do path+=/$(fault_repeat d 200); done
    mkdir -p "$path"
    path+=/$(fault_repeat f $((4000 - ${#path} - 1)))
    [ "${#path}" -eq 4000 ] || e2e_fail "built a path of ${#path} characters"
    fault_accepted_path "$path"
    e2e_stop_app KILL
}

# Wildcards are characters of the name: the entries go to the file of exactly
# that name, and files that the pattern would match stay as they are.
case_log_path_with_wildcards() {
    local folder="$E2E_CASE_DIR/logs"
    mkdir -p "$folder"
    echo other >"$folder/log1.txt"
    echo other >"$folder/logx1.txt"
    fault_accepted_path "$folder/log*?[1].txt"
    [ "$(cat "$folder/log1.txt" "$folder/logx1.txt")" = "$(printf 'other\nother')" ] ||
        e2e_fail "a file matching the pattern was written to"
    e2e_stop_app KILL
}

# Clear Log removes the file of exactly that name, none that the pattern matches.
case_clear_log_with_wildcards_removes_only_the_named_file() {
    local folder="$E2E_CASE_DIR/logs" path
    mkdir -p "$folder"
    path="$folder/log*?[1].txt"
    echo named >"$path"
    echo other >"$folder/log1.txt"
    echo other >"$folder/logx1.txt"
    e2e_write_settings "Text1=$path"
    e2e_start_app_past_reports
    # Yes is the question's default answer.
    # shellcheck disable=SC2086
    fault_click_twips "$(e2e_main_window)" $FAULT_CLEAR_LOG
    fault_answer_question
    e2e_poll 5 test ! -e "$path" || e2e_fail "Clear Log left the named file"
    [ -f "$folder/log1.txt" ] && [ -f "$folder/logx1.txt" ] ||
        e2e_fail "Clear Log removed a file matching the pattern: $(ls "$folder")"
    e2e_expect_reports 0
    fault_expect_running
    e2e_stop_app KILL
}

case_log_path_non_ascii() {
    local folder="$E2E_CASE_DIR/Jörg Ünïcödé 日本語"
    mkdir -p "$folder"
    fault_accepted_path "$folder/Straße ✓ €.txt"
    e2e_stop_app KILL
}

# The log becomes a folder while entries are being written: that is reported
# once; once the file is back, entries follow its content.
case_log_file_replaced_by_a_folder_while_logging() {
    local log copy="$E2E_CASE_DIR/log.copy" lines
    log=$(e2e_log_file)
    e2e_fake_power battery 60 1800
    fault_logging_settings
    e2e_start_app_past_reports
    fault_wait_lines "$log" 2
    cp "$log" "$copy"
    rm "$log"
    mkdir "$log"
    fault_wait_reports 1
    rmdir "$log"
    cp "$copy" "$log"
    lines=$(fault_lines "$log")
    fault_wait_lines "$log" $((lines + 2))
    fault_expect_prefix "$log" "$copy"
    fault_expect_whole_lines "$log"
    fault_expect_running
    e2e_stop_app KILL
}

# An existing log keeps its content, however it ends, and gains whole entries.
case_log_with_old_content_is_only_appended_to() {
    local log copy="$E2E_CASE_DIR/log.copy"
    log=$(e2e_log_file)
    printf '1 Dec 2026 10:00:00 Running on AC Power\r\n2 Dec 2026 Battery Level is 5%%.\r\n' >"$log"
    cp "$log" "$copy"
    fault_accepted_path "$log"
    fault_expect_prefix "$log" "$copy"
    e2e_stop_app KILL
}
