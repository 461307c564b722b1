# shellcheck shell=bash
# What the program costs while it has nothing to do: hidden in the tray with
# automatic logging off, it sleeps until something happens.

# Context switches of every thread of the program so far.
idle_switches() {
    cat /proc/"$E2E_APP_PID"/task/*/status 2>/dev/null |
        awk '/^(non)?voluntary_ctxt_switches/ { total += $2 } END { print total + 0 }'
}

# No thread of the program woke for half a second.
idle_for_half_a_second() {
    local before
    before=$(idle_switches)
    sleep 0.5
    [ "$(idle_switches)" -eq "$before" ]
}

case_hidden_and_off_the_program_sleeps() {
    e2e_fake_power ac
    e2e_start_app
    local window before after started elapsed
    window=$(e2e_main_window)
    e2e_tray_icon >/dev/null
    e2e_minimise "$window"
    e2e_wait_for "the window to hide" e2e_is_not_viewable "$window"
    # The first balloon's five seconds, and the wait behind it.
    e2e_wait_for "the balloon" e2e_find_balloon >/dev/null
    e2e_wait_for "the balloon to go" e2e_no_balloon
    e2e_wait_for "the program to sleep" idle_for_half_a_second
    before=$(idle_switches)
    started=$(e2e_now)
    sleep 5
    after=$(idle_switches)
    elapsed=$(awk -v a="$started" -v b="$(e2e_now)" 'BEGIN { printf "%.1f", b - a }')
    e2e_note "context switches in $elapsed s hidden and idle: $((after - before))"
    # No timer of ours runs; only an event from outside would wake a thread: at
    # most two in five seconds of what actually elapsed.
    awk -v n=$((after - before)) -v t="$elapsed" 'BEGIN { exit !(n * 5 <= 2 * t) }' ||
        e2e_fail "$((after - before)) wakeups in $elapsed s while idle"
    e2e_stop_app TERM
    e2e_expect_status 0
}
