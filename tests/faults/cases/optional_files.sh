# shellcheck shell=bash
# Bad optional files beside the program: the hand pointer "HAND-M.CUR", the
# support window's picture "icon256.gif" and the skin "x/o.cjs", each empty,
# truncated or random bytes. A hand pointer that cannot be loaded is reported by
# start-up (line 128); a picture that cannot be read counts as missing and is
# named in the diagnostic output; a skin that is not a style sheet is passed over
# with Qt's own message; the program runs on.

# fault_good_optional_files <folder>: pictures and a skin that load.
fault_good_optional_files() {
    mkdir -p "$1/x"
    # An icon file made a cursor: type 2, hotspot 16, 16 in its first entry.
    convert -size 32x32 xc:blue "ico:$1/HAND-M.CUR"
    printf '\x02' | dd of="$1/HAND-M.CUR" bs=1 seek=2 conv=notrunc status=none
    printf '\x10\x00\x10\x00' | dd of="$1/HAND-M.CUR" bs=1 seek=10 conv=notrunc status=none
    convert -size 256x128 xc:navy "gif:$1/icon256.gif"
    printf 'QWidget { background-color: #d4d0c8; }\nQPushButton { color: navy; }\n' >"$1/x/o.cjs"
}

# fault_spoil <file> <how>: empty, truncated (the first half) or random bytes.
fault_spoil() {
    local size
    size=$(stat -c %s "$1")
    case $2 in
    empty) : >"$1" ;;
    truncated) truncate -s $((size / 2)) "$1" ;;
    random) fault_random_bytes "$size" >"$1" ;;
    *) e2e_fail "fault_spoil: empty, truncated or random, not '$2'" ;;
    esac
}

# Moves the pointer over a push button and the background of the main window,
# then over the support window (F1 shows it) with its picture and buttons.
fault_hover_around() {
    local window support size
    window=$(e2e_main_window)
    # shellcheck disable=SC2086
    fault_point_twips "$window" $FAULT_LOG_NOW
    sleep 0.2
    fault_point_twips "$window" 4020 6940
    e2e_focus "$window"
    xdotool key --clearmodifiers F1
    e2e_wait_for "the support window" fault_question_box >/dev/null
    support=$(fault_question_box)
    size=$(e2e_window_size "$support")
    xdotool mousemove --window "$support" $((${size%x*} / 2)) $((${size#*x} - 20))
    sleep 0.2
    xdotool mousemove --window "$support" 5 5
}

# fault_optional_files <how>: all three files spoiled that way, or "good".
fault_optional_files() {
    e2e_use_program_copy
    fault_good_optional_files "$E2E_PROGRAM_DIR"
    if [ "$1" != good ]; then
        fault_spoil "$E2E_PROGRAM_DIR/HAND-M.CUR" "$1"
        fault_spoil "$E2E_PROGRAM_DIR/icon256.gif" "$1"
        fault_spoil "$E2E_PROGRAM_DIR/x/o.cjs" "$1"
    fi
    e2e_fake_power battery 60 1800
    fault_logging_settings
    e2e_start_app_past_reports
    if [ "$1" = good ]; then
        e2e_expect_reports 0
    else
        e2e_expect_reports 1
        fault_expect_warning "Ghost.Form_Load: Invalid picture"
    fi
    # Half a GIF still shows the rows it holds; nothing of it is readable otherwise.
    if [ "$1" = empty ] || [ "$1" = random ]; then
        fault_expect_warning "Ghost.Form_Load: Invalid picture $E2E_PROGRAM_DIR/icon256.gif"
    fi
    fault_hover_around
    fault_wait_lines "$(e2e_log_file)" 2
    fault_expect_whole_lines "$(e2e_log_file)"
    e2e_answer_reports
    e2e_expect_reports "$([ "$1" = good ] && echo 0 || echo 1)"
    e2e_app_running || e2e_fail "the program ended"
    e2e_stop_app KILL
}

case_optional_files_good() { fault_optional_files good; }
case_optional_files_empty() { fault_optional_files empty; }
case_optional_files_truncated() { fault_optional_files truncated; }
case_optional_files_random_bytes() { fault_optional_files random; }
