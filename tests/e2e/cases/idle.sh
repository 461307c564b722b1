# shellcheck shell=bash
# What the program costs while it has nothing to do: hidden in the tray with
# automatic logging off, it sleeps until something happens.

# Context switches of every thread of the program so far.
idle_switches() {
    cat /proc/"$E2E_APP_PID"/task/*/status 2>/dev/null |
        awk '/^(non)?voluntary_ctxt_switches/ { total += $2 } END { print total + 0 }'
}

case_hidden_and_off_the_program_sleeps() {
    e2e_fake_power ac
    e2e_start_app
    local window before after
    window=$(e2e_main_window)
    e2e_tray_icon >/dev/null
    e2e_minimise "$window"
    e2e_wait_for "the window to hide" e2e_is_not_viewable "$window"
    sleep 6 # the first balloon's five seconds
    before=$(idle_switches)
    sleep 5
    after=$(idle_switches)
    e2e_note "context switches in 5 s hidden and idle: $((after - before))"
    # No timer of ours runs; only an event from outside would wake a thread.
    [ $((after - before)) -le 2 ] || e2e_fail "$((after - before)) wakeups in 5 s while idle"
    e2e_stop_app TERM
    e2e_expect_status 0
}
