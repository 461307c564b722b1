# shellcheck shell=bash
# Helpers of the end-to-end run: a virtual desktop with a window manager and an
# XEmbed tray, a fresh home for every case, the program under test, and ways to
# find, drive and inspect its windows through the X server.
#
# A case is a function named case_<what it shows> in cases/*.sh. It runs in a
# subshell of its own with `set -eu -o pipefail`, so any failing command fails
# the case; e2e_fail says why. When it starts, the case has:
#   E2E_CASE_DIR        its scratch folder (removed afterwards unless E2E_KEEP=1)
#   E2E_CASE_ARTIFACTS  where its screenshots and the program's output are kept
#   HOME, XDG_CONFIG_HOME, XDG_STATE_HOME, XDG_DATA_HOME, XDG_RUNTIME_DIR, TEMP
#                       fresh folders under E2E_CASE_DIR
#   TESSALINE_POWER_SUPPLY_DIR  an empty power-supply tree (see e2e_fake_power)
# and the desktop at DISPLAY. The program it starts is stopped when it ends; a
# failed case leaves a screenshot "failure.png" and the program's output.
#
# Every bound is elapsed time, never a count of tries: a wait for a state ends
# at its deadline however slowly the machine runs, a call that could block (an
# activation, a screenshot, a Wine program) is ended by `timeout`, and a whole
# case has its time limit, after which it is stopped with a message that names
# it and the state it was waiting for.

E2E_TIMEOUT=${E2E_TIMEOUT:-15}  # seconds any single wait may take
E2E_CASE_LIMIT=${E2E_CASE_LIMIT:-120}  # seconds a whole case may take
# Cases that need longer set their own: E2E_LIMITS[case_name]=seconds.
declare -A E2E_LIMITS=()
E2E_CALL_LIMIT=${E2E_CALL_LIMIT:-20}  # seconds a single blocking call may take
E2E_HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
E2E_POLL_INTERVAL=0.1

# --- messages -------------------------------------------------------------

e2e_note() { printf 'e2e: %s\n' "$*" >&2; }

# Fails the case with a reason.
e2e_fail() {
    printf 'e2e: FAIL: %s\n' "$*" >&2
    return 1
}

# --- waiting --------------------------------------------------------------

# The time, as seconds with six decimals ("1733740000.123456"): what e2e_later
# adds to and e2e_before compares. The shell's own clock, so a poll forks nothing.
e2e_now() {
    local micros=${EPOCHREALTIME//[!0-9]/}
    printf '%s.%s\n' "${micros:0:-6}" "${micros: -6}"
}

# e2e_micros <seconds>: sets REPLY to that many seconds (with a fraction or
# not: 1.5) in microseconds.
e2e_micros() {
    local whole=${1%%.*} fraction=000000
    [[ $1 != *.* ]] || fraction=${1#*.}000000
    REPLY=$((10#${whole:-0} * 1000000 + 10#${fraction:0:6}))
}

# e2e_later <seconds>: the moment that many seconds from now.
e2e_later() {
    e2e_micros "$1"
    local micros=$((${EPOCHREALTIME//[!0-9]/} + REPLY))
    printf '%s.%s\n' "${micros:0:-6}" "${micros: -6}"
}

# e2e_before <moment>: whether that moment (from e2e_later) is still to come.
e2e_before() { ((${EPOCHREALTIME//[!0-9]/} < 10#${1//[!0-9]/})); }

# e2e_waiting <what>: the state the case waits for from now on, which its time
# limit names if it is hit meanwhile.
e2e_waiting() {
    [ -z "${E2E_CASE_DIR:-}" ] || printf '%s\n' "$1" >"$E2E_CASE_DIR/.waiting"
}

# e2e_poll <seconds> <command...>: runs the command every E2E_POLL_INTERVAL until
# it succeeds (0) or that many seconds have passed (1).
e2e_poll() {
    e2e_micros "$1"
    local until=$((${EPOCHREALTIME//[!0-9]/} + REPLY))
    shift
    until "$@"; do
        ((${EPOCHREALTIME//[!0-9]/} < until)) || return 1
        sleep "$E2E_POLL_INTERVAL"
    done
}

# e2e_wait_for <what> <command...>: e2e_poll with E2E_TIMEOUT, failing the case
# with "timed out waiting for <what>".
e2e_wait_for() {
    local what=$1
    shift
    e2e_waiting "$what"
    e2e_poll "$E2E_TIMEOUT" "$@" || e2e_fail "timed out waiting for $what"
}

# --- the desktop ----------------------------------------------------------

e2e_require_tools() {
    local tool missing=
    for tool in Xvfb openbox trayer xdotool xwininfo xprop xlsatoms import awk; do
        command -v "$tool" >/dev/null 2>&1 || missing="$missing $tool"
    done
    if [ -n "$missing" ]; then
        e2e_note "missing:$missing (sh scripts/deps.sh installs them)"
        return 1
    fi
}

e2e_alive() { kill -0 "$1" 2>/dev/null; }

e2e_window_manager_running() {
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}

# Whether a tray owns the notification area's selection. The tools at hand cannot
# ask for a selection's owner, but trayer names the atoms of the tray's messages
# only once it owns the selection, and nothing else on our fresh server does.
e2e_tray_running() {
    xlsatoms -name _NET_SYSTEM_TRAY_MESSAGE_DATA 2>/dev/null | grep -q .
}

# Starts Xvfb on a free display (from E2E_DISPLAY_BASE, by default chosen from
# our pid so that parallel runs do not meet), then openbox and trayer, and
# exports DISPLAY.
e2e_start_desktop() {
    local base=${E2E_DISPLAY_BASE:-$((100 + $$ % 400))} number ready
    ready="$E2E_RUN_DIR/display"
    for number in $(seq "$base" $((base + 30))); do
        [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ] && continue
        : >"$ready"
        # Xvfb writes the display number to fd 3 once it accepts clients.
        Xvfb ":$number" -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset \
            3>"$ready" >"$E2E_RUN_DIR/xvfb.log" 2>&1 &
        E2E_XVFB_PID=$!
        e2e_poll 10 e2e_display_settled "$ready" || true
        if e2e_alive "$E2E_XVFB_PID" && [ -s "$ready" ]; then
            export DISPLAY=":$number"
            break
        fi
        e2e_stop_pid "$E2E_XVFB_PID"
        E2E_XVFB_PID=
    done
    [ -n "${E2E_XVFB_PID:-}" ] || e2e_fail "no display could be started" || return 1

    openbox --sm-disable >"$E2E_RUN_DIR/openbox.log" 2>&1 &
    E2E_OPENBOX_PID=$!
    e2e_wait_for "the window manager" e2e_window_manager_running || return 1

    trayer --edge bottom --align right --widthtype request --height 24 --SetDockType true \
        --SetPartialStrut true --transparent false --tint 0x607080 --expand true \
        >"$E2E_RUN_DIR/trayer.log" 2>&1 &
    E2E_TRAYER_PID=$!
    e2e_wait_for "the tray" e2e_tray_running || return 1
    e2e_note "desktop on $DISPLAY"
}

# Whether Xvfb took the display (it wrote the number) or gave up (it ended).
e2e_display_settled() {
    [ -s "$1" ] || ! e2e_alive "$E2E_XVFB_PID"
}

e2e_desktop_running() {
    e2e_alive "${E2E_XVFB_PID:-0}" && e2e_alive "${E2E_OPENBOX_PID:-0}" &&
        e2e_alive "${E2E_TRAYER_PID:-0}"
}

# Ends a process of ours: SIGTERM, then SIGKILL if it is still there after 5 s.
e2e_stop_pid() {
    local pid=$1
    [ -n "$pid" ] && e2e_alive "$pid" || return 0
    kill -TERM "$pid" 2>/dev/null || true
    e2e_poll 5 e2e_not_alive "$pid" || kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

e2e_not_alive() { ! e2e_alive "$1"; }

e2e_stop_desktop() {
    e2e_stop_pid "${E2E_TRAYER_PID:-}"
    e2e_stop_pid "${E2E_OPENBOX_PID:-}"
    e2e_stop_pid "${E2E_XVFB_PID:-}"
    E2E_TRAYER_PID='' E2E_OPENBOX_PID='' E2E_XVFB_PID=''
}

# --- a case's home --------------------------------------------------------

e2e_new_home() {
    export HOME="$E2E_CASE_DIR/home"
    export XDG_CONFIG_HOME="$HOME/.config"
    export XDG_STATE_HOME="$HOME/.local/state"
    export XDG_DATA_HOME="$HOME/.local/share"
    # The machine-wide autostart folder too: a case never writes to /etc/xdg.
    export XDG_CONFIG_DIRS="$E2E_CASE_DIR/etc/xdg"
    # Short, as /run/user/<uid> is: a local socket's path has room for 107 bytes.
    XDG_RUNTIME_DIR=$(mktemp -d "$E2E_RUN_DIR/rt.XXXXXX")
    export XDG_RUNTIME_DIR
    export TEMP="$E2E_CASE_DIR/temp"
    export TESSALINE_POWER_SUPPLY_DIR="$E2E_CASE_DIR/power_supply"
    mkdir -p "$XDG_CONFIG_HOME" "$XDG_STATE_HOME" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR" "$TEMP" \
        "$TESSALINE_POWER_SUPPLY_DIR" "$XDG_CONFIG_DIRS"
    chmod 700 "$XDG_RUNTIME_DIR"
}

# e2e_fake_power ac: on external power, battery full and charging.
# e2e_fake_power battery <percent> [<seconds left>]: on battery.
e2e_fake_power() {
    local tree=$TESSALINE_POWER_SUPPLY_DIR percent=${2:-100} left=${3:-}
    rm -rf "${tree:?}"/*
    mkdir -p "$tree/AC" "$tree/BAT0"
    echo Mains >"$tree/AC/type"
    echo Battery >"$tree/BAT0/type"
    echo 1 >"$tree/BAT0/present"
    echo "$percent" >"$tree/BAT0/capacity"
    case $1 in
    ac)
        echo 1 >"$tree/AC/online"
        echo Full >"$tree/BAT0/status"
        ;;
    battery)
        echo 0 >"$tree/AC/online"
        echo Discharging >"$tree/BAT0/status"
        if [ -n "$left" ]; then echo "$left" >"$tree/BAT0/time_to_empty_now"; fi
        ;;
    *) e2e_fail "e2e_fake_power: ac or battery, not '$1'" ;;
    esac
}

# The settings file and the default log file of the case's home.
e2e_settings_file() { echo "$XDG_CONFIG_HOME/Quorvane.conf"; }
e2e_log_file() { echo "$TEMP/Tessaline.txt"; }

# e2e_setting <key>: the value stored under the program's section, nothing when
# there is none.
e2e_setting() {
    local file
    file=$(e2e_settings_file)
    [ -f "$file" ] || return 0
    awk -v key="$1" '
        /^\[/ { section = $0; next }
        section == "[Tessaline]" && index($0, key "=") == 1 { print substr($0, length(key) + 2) }
    ' "$file"
}

# The number of lines in the log.
e2e_log_line_count() {
    local file
    file=$(e2e_log_file)
    if [ -f "$file" ]; then wc -l <"$file" | tr -d ' '; else echo 0; fi
}

# e2e_log_has_lines <n>: the log holds at least n lines.
e2e_log_has_lines() { [ "$(e2e_log_line_count)" -ge "$1" ]; }

# An awk function that prints a battery entry as the writer does, with the time
# left of a charge that lasts six hours: battery(<date and time>, <percent>).
E2E_AWK_BATTERY='function battery(stamp, percent,    left) {
    left = percent * 216
    printf "%s Battery Level is %d%% (%d Hours, %d Minutes, %d Seconds remaining on battery).\r\n",
        stamp, percent, left / 3600, left % 3600 / 60, left % 60
}'

# e2e_write_week <file> <date format> <midnight>: a log of the week up to now,
# an entry every 10 minutes, CR LF ended, its date and time written with the
# `date` format in the C locale and <midnight> (the time at midnight) left
# out: two hours on AC, then six on battery from 100 %, draining a little
# faster each day.
e2e_write_week() {
    local now
    now=$(date +%s)
    seq $((now / 600 * 600 - 7 * 86400)) 600 "$now" >"$E2E_CASE_DIR/times"
    sed 's/^/@/' "$E2E_CASE_DIR/times" | LC_ALL=C date -f - "$2" |
        paste -d '|' "$E2E_CASE_DIR/times" - |
        awk -F '|' -v first="$(head -n 1 "$E2E_CASE_DIR/times")" -v midnight="$3" "$E2E_AWK_BATTERY"'
        {
            stamp = $2
            if (substr(stamp, length(stamp) - length(midnight) + 1) == midnight)
                stamp = substr(stamp, 1, length(stamp) - length(midnight))
            minute = ($1 - first) / 60
            phase = minute % 480
            if (phase < 120) { printf "%s Running on AC Power\r\n", stamp; next }
            battery(stamp, 100 - int((phase - 120) / 5 * (1 + minute / 40320)))
        }' >"$1"
}

# e2e_write_large <file> <days> <date format> <clock>: an entry every two
# seconds on battery for <days> days up to the day before yesterday, about
# 4 MB a day, written at once: the date with the `date` format in the C
# locale, then (but at midnight) the time on a 24-hour <clock> ("21:05:00") or
# a 12-hour one ("9:05:00 PM").
e2e_write_large() {
    local today
    today=$(($(date +%s) / 86400))
    seq $(((today - 1 - $2) * 86400)) 86400 $(((today - 2) * 86400)) | sed 's/^/@/' |
        LC_ALL=C date -f - "$3" | awk -v clock="$4" "$E2E_AWK_BATTERY"'
        {
            for (s = 0; s < 86400; s += 2) {
                h = int(s / 3600)
                if (s == 0) stamp = $0
                else if (clock == 24) stamp = sprintf("%s %02d:%02d:%02d", $0, h, s % 3600 / 60, s % 60)
                else stamp = sprintf("%s %d:%02d:%02d %s", $0, (h + 11) % 12 + 1, s % 3600 / 60, s % 60,
                                     h < 12 ? "AM" : "PM")
                battery(stamp, 100 - int(s / 600) % 100)
            }
        }' >"$1"
}

# e2e_expect_every_second <line>: from that line of the log on, each entry
# follows the one before by one or two seconds (the interval and the write).
e2e_expect_every_second() {
    local steps
    steps=$(tail -n +"$1" "$(e2e_log_file)" | tr -d '\r' |
        sed 's/ \(Battery Level is\|Running on AC Power\).*//' | LC_ALL=C date -f - +%s |
        awk 'NR > 1 && ($1 - last < 1 || $1 - last > 2) { print last " to " $1 } { last = $1 }')
    [ -z "$steps" ] || e2e_fail "entries missing or doubled between (seconds since 1970): $steps"
}

# e2e_expect_log_lines_match <extended regex>: every line (CR LF ended) matches.
e2e_expect_log_lines_match() {
    local file bad
    file=$(e2e_log_file)
    [ -f "$file" ] || e2e_fail "no log file at $file" || return 1
    bad=$(tr -d '\r' <"$file" | grep -Evx -- "$1" || true)
    [ -z "$bad" ] || e2e_fail "log lines not matching '$1': $bad" || return 1
    [ "$(grep -c $'\r$' "$file")" -eq "$(e2e_log_line_count)" ] ||
        e2e_fail "log lines not ended by CR LF"
}

# --- the program ----------------------------------------------------------

# e2e_start_app: starts the program in the case's home; its output goes to
# app.log (or E2E_APP_LOG) among the case's artifacts. Sets E2E_APP_PID.
e2e_start_app() {
    (
        cd "$E2E_CASE_DIR" || exit 1
        unset DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER
        # A case may give the program a session manager to join.
        if [ -n "${E2E_SESSION_MANAGER_ADDRESS:-}" ]; then
            export SESSION_MANAGER=$E2E_SESSION_MANAGER_ADDRESS
        fi
        export QT_QPA_PLATFORM=xcb LANG=C.UTF-8 LC_ALL=C.UTF-8
        export LSAN_OPTIONS="suppressions=$E2E_HERE/lsan.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
        if [ -n "${E2E_APP_USER:-}" ]; then
            exec setpriv --reuid "$(id -u "$E2E_APP_USER")" --regid "$(id -g "$E2E_APP_USER")" \
                --clear-groups "$E2E_APP" "$@"
        fi
        exec "$E2E_APP" "$@"
    ) >"$E2E_CASE_ARTIFACTS/${E2E_APP_LOG:-app.log}" 2>&1 &
    E2E_APP_PID=$!
    E2E_APP_STATUS=
    echo "$E2E_APP_PID" >>"$E2E_CASE_DIR/.app_pids"
}

e2e_app_running() { e2e_alive "$E2E_APP_PID"; }

# e2e_start_later: starts one more copy of the program, its output in later.log
# among the case's artifacts; sets LATER_PID and leaves E2E_APP_PID as it was.
e2e_start_later() {
    local first=$E2E_APP_PID
    E2E_APP_LOG=later.log e2e_start_app
    LATER_PID=$E2E_APP_PID
    E2E_APP_PID=$first
}

# e2e_expect_later_ended <pid>: that copy ends by itself, with status 0.
e2e_expect_later_ended() {
    local status=0
    e2e_wait_for "the later start to end" e2e_not_alive "$1" || return 1
    wait "$1" || status=$?
    [ "$status" -eq 0 ] || e2e_fail "the later start ended with status $status"
}

e2e_either_ended() { e2e_not_alive "$1" || e2e_not_alive "$2"; }

# After e2e_start_app and e2e_start_later at once: one of the two ends by
# itself with status 0 and the other runs on, which becomes E2E_APP_PID.
# Either may have been first.
e2e_expect_one_of_two_left() {
    e2e_wait_for "one of the two starts to end" e2e_either_ended "$E2E_APP_PID" "$LATER_PID" ||
        return 1
    if e2e_alive "$E2E_APP_PID"; then
        e2e_expect_later_ended "$LATER_PID"
    else
        e2e_expect_later_ended "$E2E_APP_PID" || return 1
        E2E_APP_PID=$LATER_PID
    fi
}

# e2e_stop_app [<signal>]: sends the signal (TERM by default), waits for the end
# and sets E2E_APP_STATUS; fails when the program does not end in time.
e2e_stop_app() {
    kill "-${1:-TERM}" "$E2E_APP_PID" 2>/dev/null || true
    e2e_wait_app_exit
}

# Waits for the program to end by itself and sets E2E_APP_STATUS.
e2e_wait_app_exit() {
    e2e_wait_for "the program to end" e2e_not_alive "$E2E_APP_PID" || return 1
    E2E_APP_STATUS=0
    wait "$E2E_APP_PID" || E2E_APP_STATUS=$?
    e2e_note "the program ended with status $E2E_APP_STATUS"
}

# e2e_expect_status <status...>: the program ended with one of these.
e2e_expect_status() {
    local status
    for status in "$@"; do [ "$E2E_APP_STATUS" = "$status" ] && return 0; done
    e2e_fail "program ended with status $E2E_APP_STATUS, expected one of: $*"
}

# --- windows --------------------------------------------------------------

# All X windows that carry the program's pid.
e2e_app_windows() { xdotool search --pid "$E2E_APP_PID" 2>/dev/null || true; }

# e2e_app_windows_titled <title>: the program's windows with exactly that title.
e2e_app_windows_titled() {
    xdotool search --all --pid "$E2E_APP_PID" --name "^$1\$" 2>/dev/null || true
}

e2e_is_viewable() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
e2e_is_not_viewable() { ! e2e_is_viewable "$1"; }

# The ICCCM state the window manager gives the window: Normal, Iconic or
# Withdrawn (also for a window it does not manage).
e2e_wm_state() {
    local state
    state=$(xprop -id "$1" WM_STATE 2>/dev/null | sed -n 's/.*window state: *//p' || true)
    echo "${state:-Withdrawn}"
}

# Whether the window manager lists the window (on a taskbar, for instance).
e2e_is_managed() {
    xprop -root _NET_CLIENT_LIST 2>/dev/null | grep -Eqi "[ #,]$(printf '0x%x' "$1")(,|\$)"
}

e2e_first_viewable() {
    local window
    for window in "$@"; do
        if e2e_is_viewable "$window"; then
            echo "$window"
            return 0
        fi
    done
    return 1
}

# e2e_window_titled <title>: prints the id of the program's viewable window with
# that title once there is one.
e2e_window_titled() {
    local title=$1
    e2e_wait_for "a window titled '$title'" e2e_viewable_titled_exists "$title" || return 1
    # shellcheck disable=SC2046
    e2e_first_viewable $(e2e_app_windows_titled "$title")
}

e2e_viewable_titled_exists() {
    # shellcheck disable=SC2046
    e2e_first_viewable $(e2e_app_windows_titled "$1") >/dev/null
}

# The program's main window, once shown.
e2e_main_window() { e2e_window_titled Tessaline; }

# The window's geometry as WIDTHxHEIGHT.
e2e_window_size() {
    xwininfo -id "$1" 2>/dev/null | awk '/^ *Width:/ { w = $2 } /^ *Height:/ { h = $2 } END { print w "x" h }'
}

# Whether the window sits inside another one rather than directly on the root
# (an embedded tray icon's parent is the tray).
e2e_is_embedded() {
    local parent root
    parent=$(xwininfo -id "$1" -children 2>/dev/null | sed -n 's/.*Parent window id: *\(0x[0-9a-f]*\).*/\1/p')
    root=$(xwininfo -root 2>/dev/null | sed -n 's/.*Window id: *\(0x[0-9a-f]*\).*/\1/p')
    [ -n "$parent" ] && [ "$parent" != "$root" ]
}

# Prints the id of the program's tray icon (a 22 x 22 window embedded in the
# tray and shown) once there is one.
e2e_tray_icon() {
    e2e_wait_for "the tray icon" e2e_find_tray_icon >/dev/null || return 1
    e2e_find_tray_icon
}

e2e_find_tray_icon() {
    local window
    for window in $(e2e_app_windows); do
        if [ "$(e2e_window_size "$window")" = 22x22 ] && e2e_is_embedded "$window" &&
            e2e_is_viewable "$window"; then
            echo "$window"
            return 0
        fi
    done
    return 1
}

e2e_no_tray_icon() { ! e2e_find_tray_icon >/dev/null; }

# e2e_click <window> [<button>]: a click (button 1 by default) in the middle of the window.
e2e_click() {
    local size
    size=$(e2e_window_size "$1")
    xdotool mousemove --window "$1" $((${size%x*} / 2)) $((${size#*x} / 2)) click "${2:-1}"
}

# Asks the window manager to minimise the window.
e2e_minimise() { xdotool windowminimize "$1"; }

# e2e_focus <window>: asks the window manager to give the window the focus
# and waits until it has it.
e2e_focus() {
    xdotool windowactivate "$1" 2>/dev/null || true
    e2e_wait_for "window $1 to have the focus" e2e_is_active "$1"
}

# Closes the window as its close box does, through the window manager (Alt+F4).
e2e_close() {
    e2e_focus "$1" || return 1
    xdotool key --clearmodifiers alt+F4
}

# e2e_screenshot <name> [<window>]: saves the screen (or the window) as
# <name>.png among the case's artifacts.
e2e_screenshot() {
    local file="$E2E_CASE_ARTIFACTS/$1.png"
    timeout -k 2 "$E2E_CALL_LIMIT" import -window "${2:-root}" "$file" 2>/dev/null ||
        e2e_note "no screenshot $file"
}

# --- boxes the program shows ---------------------------------------------

# The program's shown boxes titled "Application Error" (the standard error report).
e2e_reports() {
    local window
    for window in $(e2e_app_windows_titled 'Application Error'); do
        if e2e_is_viewable "$window"; then echo "$window"; fi
    done
}

# e2e_answer <window> [<key>]: gives the box the focus, presses the key (Return,
# its default button, unless told otherwise) and waits for the box to go (it
# may have gone already).
e2e_answer() {
    xdotool windowactivate "$1" 2>/dev/null || true
    e2e_wait_for "box $1 to take the focus" e2e_active_or_gone "$1" || return 1
    e2e_is_not_viewable "$1" || xdotool key --clearmodifiers "${2:-Return}"
    e2e_wait_for "box $1 to close" e2e_is_not_viewable "$1"
}

e2e_active_or_gone() { e2e_is_active "$1" || e2e_is_not_viewable "$1"; }

# Answers the error reports shown now; adds their number to E2E_REPORTS.
e2e_answer_reports() {
    local window
    for window in $(e2e_reports); do
        e2e_answer "$window" || return 1
        E2E_REPORTS=$((${E2E_REPORTS:-0} + 1))
    done
}

# e2e_answer_reports_for <seconds>: for that long, answers every error report
# as it shows, adding their number to E2E_REPORTS; fails when the program ends.
e2e_answer_reports_for() {
    local until
    e2e_waiting "the end of $1 s of answering reports"
    until=$(e2e_later "$1")
    while e2e_before "$until"; do
        e2e_app_running || e2e_fail "the program ended" || return 1
        e2e_answer_reports || return 1
        sleep "$E2E_POLL_INTERVAL"
    done
}

e2e_main_window_shown() { e2e_viewable_titled_exists Tessaline; }

# e2e_start_app_past_reports: starts the program and answers the error reports
# of its start-up until its main window shows; E2E_REPORTS counts them.
e2e_start_app_past_reports() {
    E2E_REPORTS=0
    e2e_start_app "$@"
    local until
    e2e_waiting "the main window, answering reports"
    until=$(e2e_later "$E2E_TIMEOUT")
    until e2e_main_window_shown; do
        e2e_app_running || e2e_fail "the program ended while starting" || return 1
        e2e_before "$until" || e2e_fail "timed out waiting for the main window" || return 1
        e2e_answer_reports || return 1
        sleep "$E2E_POLL_INTERVAL"
    done
}

# e2e_expect_reports <n>: E2E_REPORTS is n.
e2e_expect_reports() {
    [ "${E2E_REPORTS:-0}" -eq "$1" ] ||
        e2e_fail "$E2E_REPORTS error reports where $1 were expected"
}

# e2e_click_at <window> <x> <y>: a click of button 1 at that point of the window.
e2e_click_at() { xdotool mousemove --window "$1" "$2" "$3" click 1; }

# --- the program's folder -------------------------------------------------

# Runs the program from a copy in a folder of the case's own, E2E_PROGRAM_DIR,
# so that the case can put optional files beside it.
e2e_use_program_copy() {
    E2E_PROGRAM_DIR="$E2E_CASE_DIR/program"
    mkdir -p "$E2E_PROGRAM_DIR"
    cp "$E2E_APP" "$E2E_PROGRAM_DIR/"
    E2E_APP="$E2E_PROGRAM_DIR/$(basename "$E2E_APP")"
}

# e2e_as_user: from here on the case's program runs as an unprivileged user
# (E2E_USER, by default nobody) when the run is root, as CI's is: root reads and
# writes whatever the permissions say, that user does not. The case's home and
# a copy of the program become the user's, so that a case takes rights away
# from the one file it is about. As anyone else it changes nothing.
e2e_as_user() {
    [ "$(id -u)" -eq 0 ] || return 0
    E2E_APP_USER=${E2E_USER:-nobody}
    [ -n "${E2E_PROGRAM_DIR:-}" ] || e2e_use_program_copy
    chown -R "$E2E_APP_USER:$(id -g "$E2E_APP_USER")" "$E2E_CASE_DIR" "$XDG_RUNTIME_DIR"
}

# --- settings -------------------------------------------------------------

# e2e_write_settings <key=value>...: a settings file holding exactly these lines
# under the program's section, written as they are.
e2e_write_settings() {
    local file line
    file=$(e2e_settings_file)
    mkdir -p "$(dirname "$file")"
    {
        printf '[Tessaline]\n'
        for line in "$@"; do printf '%s\n' "$line"; done
    } >"$file"
}

# --- the tray and the window's states -----------------------------------

# Prints the id of the program's balloon (a window of its own, Qt draws it, taller
# than a tooltip) while one is shown.
e2e_find_balloon() {
    local window size
    for window in $(e2e_app_windows); do
        size=$(e2e_window_size "$window")
        if e2e_is_viewable "$window" && ! e2e_is_embedded "$window" &&
            [ "$(xdotool getwindowname "$window" 2>/dev/null)" != Tessaline ] &&
            [ "${size#*x}" -gt 40 ]; then
            echo "$window"
            return 0
        fi
    done
    return 1
}

e2e_no_balloon() { ! e2e_find_balloon >/dev/null; }

# e2e_click_icon <icon> <button>: clicks the icon, then moves the pointer away so
# that the icon's tooltip does not come up.
e2e_click_icon() {
    e2e_click "$1" "$2"
    xdotool mousemove 10 10
}

# Whether the window has the input focus.
e2e_is_active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }

# The window is back: shown, in the normal state.
e2e_is_restored() { e2e_is_viewable "$1" && [ "$(e2e_wm_state "$1")" = Normal ]; }

# The window is hidden behind the icon: not shown, not even on a taskbar.
e2e_is_hidden_in_tray() { e2e_is_not_viewable "$1" && ! e2e_is_managed "$1"; }

# The program is gone, and its windows (the tray icon among them) with it.
e2e_expect_clean_end() {
    e2e_expect_status 0
    [ -z "$(e2e_app_windows)" ] || e2e_fail "windows left behind: $(e2e_app_windows)"
}

# --- running the cases ----------------------------------------------------

e2e_cases() { declare -F | awk '$3 ~ /^case_/ { print $3 }'; }

e2e_end_case() {
    local status=$? pid
    if [ "$status" -ne 0 ]; then
        e2e_screenshot failure
        e2e_note "program output (${E2E_CASE_ARTIFACTS}/app.log):"
        tail -n 40 "$E2E_CASE_ARTIFACTS/app.log" >&2 2>/dev/null || true
    fi
    e2e_stop_pid "${E2E_APP_PID:-}"
    # The later copies too; a number of one that has ended may be another process's now.
    for pid in $(cat "$E2E_CASE_DIR/.app_pids" 2>/dev/null); do
        [ "$(ps -o ppid= -p "$pid" 2>/dev/null | tr -d ' ')" != "$BASHPID" ] || e2e_stop_pid "$pid"
    done
    exit "$status"
}

# e2e_descendants <pid>: the processes below that one, one a line.
e2e_descendants() {
    ps -e -o pid= -o ppid= | awk -v root="$1" '
        { parent[$1] = $2 }
        END {
            for (pid in parent) {
                for (up = parent[pid]; up > 1 && up != root && up in parent; up = parent[up]) {}
                if (up == root) print pid
            }
        }'
}

# e2e_watch_case <name> <pid> <seconds>: once the case (the subshell <pid>) has
# run that long, says so with the state it was waiting for, ends what it is
# blocked in (the programs under test stay, for its failure screenshot), then
# the case itself, which ends as a failed case does; whatever is left of it 15
# seconds later is killed.
e2e_watch_case() {
    local name=$1 case_pid=$2 limit=$3 until state pid programs
    until=$(e2e_later "$limit")
    while e2e_alive "$case_pid"; do
        if ! e2e_before "$until"; then
            state=$(cat "$E2E_CASE_DIR/.waiting" 2>/dev/null || true)
            e2e_fail "$name went over its time limit of $limit s while waiting for ${state:-its first state}"
            programs=" $(cat "$E2E_CASE_DIR/.app_pids" 2>/dev/null | tr '\n' ' ') "
            for pid in $(e2e_descendants "$case_pid"); do
                [[ $programs == *" $pid "* ]] || kill -TERM "$pid" 2>/dev/null || true
            done
            kill -TERM "$case_pid" 2>/dev/null || true
            until=$(e2e_later 15)
            while e2e_alive "$case_pid" && e2e_before "$until"; do sleep 0.5; done
            for pid in $(e2e_descendants "$case_pid") "$case_pid"; do
                kill -KILL "$pid" 2>/dev/null || true
            done
            return
        fi
        sleep 0.5 </dev/null >/dev/null 2>&1
    done
}

# e2e_run_case <name>: runs case_<name> in a subshell with a fresh home, within
# its time limit (E2E_LIMITS[<name>], or E2E_CASE_LIMIT).
e2e_run_case() {
    local name=$1 case_pid watch_pid status=0
    export E2E_CASE_DIR="$E2E_RUN_DIR/$name"
    export E2E_CASE_ARTIFACTS="$E2E_ARTIFACTS/$name"
    rm -rf "$E2E_CASE_ARTIFACTS"
    mkdir -p "$E2E_CASE_DIR" "$E2E_CASE_ARTIFACTS"
    (
        E2E_APP_PID=
        trap e2e_end_case EXIT
        trap 'exit 124' TERM
        set -eu -o pipefail
        e2e_new_home
        "$name"
    ) &
    case_pid=$!
    e2e_watch_case "$name" "$case_pid" "${E2E_LIMITS[$name]:-$E2E_CASE_LIMIT}" &
    watch_pid=$!
    wait "$case_pid" || status=$?
    kill "$watch_pid" 2>/dev/null || true
    wait "$watch_pid" 2>/dev/null || true
    return "$status"
}

e2e_cleanup() {
    e2e_stop_desktop
    if [ "${E2E_KEEP:-0}" = 1 ]; then
        e2e_note "kept $E2E_RUN_DIR"
    elif [ -n "${E2E_RUN_DIR:-}" ]; then
        rm -rf "$E2E_RUN_DIR"
    fi
}

# e2e_main <program> <artifacts folder> [<case>...]: runs the named cases, or
# every case, and exits 0 when all pass, 1 when one fails, 77 when the desktop
# tools are missing.
e2e_main() {
    if [ $# -lt 2 ]; then
        echo "usage: $0 <tessaline> <artifacts folder> [case_name...]" >&2
        exit 2
    fi
    E2E_APP=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
    mkdir -p "$2"
    E2E_ARTIFACTS=$(cd "$2" && pwd)
    shift 2
    [ -x "$E2E_APP" ] || { e2e_note "no program at $E2E_APP"; exit 2; }
    e2e_require_tools || exit 77

    local cases failed=0 name status
    cases=${*:-$(e2e_cases)}
    for name in $cases; do
        declare -F "$name" >/dev/null || { e2e_note "no case $name"; exit 2; }
    done

    E2E_RUN_DIR=$(mktemp -d "${TMPDIR:-/tmp}/tessaline-e2e-XXXXXX")
    # Open to the unprivileged user of e2e_as_user, whose home is inside.
    chmod 755 "$E2E_RUN_DIR"
    trap e2e_cleanup EXIT
    trap 'exit 130' INT TERM
    e2e_start_desktop || exit 1

    for name in $cases; do
        e2e_desktop_running || { e2e_fail "the desktop died before $name"; failed=1; break; }
        # Not as a condition: that would turn off `set -e` inside the case.
        e2e_run_case "$name"
        status=$?
        if [ "$status" -eq 0 ]; then
            e2e_note "pass $name"
        else
            e2e_note "FAIL $name (artifacts in $E2E_ARTIFACTS/$name)"
            failed=1
        fi
    done
    exit "$failed"
}
