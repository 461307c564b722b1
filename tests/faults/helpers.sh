# shellcheck shell=bash
# Helpers of the fault suite, beside those of the end-to-end run (../e2e/lib.sh).

# One whole log entry in the run's locale (C.UTF-8: "8 Dec 2026 02:26:30"): the
# general date, then the mains form or the battery form, without its CR LF.
FAULT_LINE='[0-9]{1,2} [A-Z][a-z]{2} [0-9]{4}( [0-9]{2}:[0-9]{2}:[0-9]{2})? '
FAULT_LINE+='(Running on AC Power|Battery Level is [0-9]{1,3}%'
FAULT_LINE+='( \(-?[0-9]+ Hours, -?[0-9]+ Minutes, -?[0-9]+ Seconds remaining on battery\))?\.)'

# fault_lines <file>: the number of lines in the file, 0 when there is none.
fault_lines() {
    if [ -f "$1" ]; then wc -l <"$1" | tr -d ' '; else echo 0; fi
}

fault_has_lines() { [ "$(fault_lines "$1")" -ge "$2" ]; }

# fault_expect_whole_lines <file>: every line of the log is a whole entry ended
# by CR LF, and the file ends with one.
fault_expect_whole_lines() {
    local file=$1 bad
    [ -f "$file" ] || e2e_fail "no log at $file" || return 1
    if [ -s "$file" ] && [ "$(tail -c 2 "$file" | od -An -tx1 | tr -d ' \n')" != 0d0a ]; then
        e2e_fail "the log ends in a torn line: $(tail -c 100 "$file" | od -c | tail -n 3)"
        return 1
    fi
    bad=$(LC_ALL=C grep -Evn -- "^$FAULT_LINE"$'\r$' "$file" | head -n 3 || true)
    [ -z "$bad" ] || e2e_fail "log lines that are not whole entries: $bad"
}

# fault_expect_prefix <file> <copy>: the file still begins with every byte of the
# copy taken earlier: nothing was truncated or rewritten.
fault_expect_prefix() {
    local size
    size=$(stat -c %s "$2")
    [ -f "$1" ] || e2e_fail "the log $1 is gone" || return 1
    [ "$(stat -c %s "$1")" -ge "$size" ] || e2e_fail "the log $1 shrank below $size bytes" ||
        return 1
    cmp -s -n "$size" "$1" "$2" || e2e_fail "the log $1 no longer begins with its old content"
}

# fault_wait_lines <file> <n>: answers error reports until the file holds at
# least n lines (the tick stands still while a report waits).
fault_wait_lines() {
    local until
    e2e_waiting "$2 lines in $1, answering reports"
    until=$(e2e_later "$E2E_TIMEOUT")
    until fault_has_lines "$1" "$2"; do
        e2e_app_running || e2e_fail "the program ended" || return 1
        e2e_before "$until" || e2e_fail "timed out waiting for $2 lines in $1" || return 1
        e2e_answer_reports || return 1
        sleep "$E2E_POLL_INTERVAL"
    done
}

# fault_wait_reports <n>: answers reports until there have been n.
fault_wait_reports() {
    local until
    e2e_waiting "report $1"
    until=$(e2e_later "$E2E_TIMEOUT")
    while [ "$E2E_REPORTS" -lt "$1" ]; do
        e2e_app_running || e2e_fail "the program ended" || return 1
        e2e_before "$until" || e2e_fail "timed out waiting for report $1" || return 1
        e2e_answer_reports || return 1
        sleep "$E2E_POLL_INTERVAL"
    done
}

fault_report_shown() { [ -n "$(e2e_reports)" ]; }

# fault_refused_path <path>: logging every second to a path the system refuses.
# The entry of start-up is reported; the ticks after it that fail the same way
# are not (the first one and more come within 1.5 s); an entry the user asks
# for is.
fault_refused_path() {
    e2e_fake_power battery 60 1800
    fault_logging_settings "Text1=$1"
    e2e_start_app_past_reports
    e2e_expect_reports 1
    e2e_answer_reports_for 1.5
    e2e_expect_reports 1
    # shellcheck disable=SC2086
    fault_click_twips "$(e2e_main_window)" $FAULT_LOG_NOW
    fault_wait_reports 2
    fault_expect_running
}

# Settings that log every second from the start, with more lines if given.
fault_logging_settings() {
    e2e_write_settings OftenIndex=1 StartStopState=On "$@"
}

# The program is still there with its main window, and no report is open. The
# window is looked for again for a while: right after a box was answered, a
# search of the window tree once came back without it on a loaded machine.
fault_expect_running() {
    e2e_app_running || e2e_fail "the program ended" || return 1
    e2e_poll 5 e2e_main_window_shown || e2e_fail "the main window is gone" || return 1
    [ -z "$(e2e_reports)" ] || e2e_fail "an error report is still open"
}

# fault_expect_settings_lines <line>...: each line is still in the settings file,
# exactly as written.
fault_expect_settings_lines() {
    local file line
    file=$(e2e_settings_file)
    for line in "$@"; do
        grep -Fxq -- "$line" "$file" ||
            e2e_fail "the settings file lost the line '${line:0:80}'" || return 1
    done
}

# fault_expect_warning <text>: the program's diagnostic output names the failure.
fault_expect_warning() {
    grep -Fq -- "$1" "$E2E_CASE_ARTIFACTS/app.log" ||
        e2e_fail "no diagnostic message containing '$1'"
}

# fault_point_twips <window> <x> <y>: moves the pointer to that point of the main
# window's client area, given in twips of its 8040 x 8565 design.
fault_point_twips() {
    local size
    size=$(e2e_window_size "$1")
    xdotool mousemove --window "$1" $((${size%x*} * $2 / 8040)) $((${size#*x} * $3 / 8565))
}

# fault_click_twips <window> <x> <y>: a click there.
fault_click_twips() { fault_point_twips "$@" && xdotool click 1; }

# The centres of the main window's push buttons, in twips, for the cases.
# shellcheck disable=SC2034
FAULT_COPY_LOG="6000 7732"
FAULT_HELP="2040 8242"
# shellcheck disable=SC2034
FAULT_CLEAR_LOG="6000 8242"
# shellcheck disable=SC2034
FAULT_LOG_NOW="6000 7222"

# fault_question_box: the id of a shown box of the program titled with the
# application title, other than the main window.
fault_question_box() {
    local window main
    main=$(e2e_main_window)
    for window in $(e2e_app_windows_titled Tessaline); do
        if [ "$window" != "$main" ] && e2e_is_viewable "$window"; then
            echo "$window"
            return 0
        fi
    done
    return 1
}

# Answers the program's question or message box with its default button.
fault_answer_question() {
    e2e_wait_for "a box titled Tessaline" fault_question_box >/dev/null || return 1
    e2e_answer "$(fault_question_box)"
}

# The program still handles its window's events: Help shows its message.
fault_expect_responsive() {
    # shellcheck disable=SC2086
    fault_click_twips "$(e2e_main_window)" $FAULT_HELP
    fault_answer_question || e2e_fail "the window does not respond"
}

# fault_end_case_stopping <pid>: the case's end once a process of its own is
# gone, however the case ends: trap "fault_end_case_stopping $pid" EXIT.
fault_end_case_stopping() {
    local status=$?
    kill -KILL "$1" 2>/dev/null || true
    (exit "$status")
    e2e_end_case
}

# fault_random_bytes <n>: n random bytes on standard output.
fault_random_bytes() { head -c "$1" /dev/urandom; }

# fault_repeat <text> <n>: the text n times over.
fault_repeat() { awk -v t="$1" -v n="$2" 'BEGIN { for (i = 0; i < n; i++) printf "%s", t }'; }
