# shellcheck shell=bash
# The end of the session. A session manager asks its clients to save both for a
# checkpoint, after which the session goes on, and for a logout, after which it
# tells them to die: only the second may end the program.

# Starts the test's session manager (E2E_SESSION_MANAGER), which takes commands on
# fd 7 and writes its events to session.events; the program started next joins it.
session_start_manager() {
    local commands="$E2E_CASE_DIR/session.commands"
    SESSION_EVENTS="$E2E_CASE_DIR/session.events"
    mkfifo "$commands"
    "$E2E_SESSION_MANAGER" <"$commands" >"$SESSION_EVENTS" 2>&1 &
    # Held open for the whole case: the manager ends when the case does. Read
    # and write, so that the open never waits for a reader.
    exec 7<>"$commands"
    e2e_wait_for "the session manager's address" session_saw 'local/' 1
    E2E_SESSION_MANAGER_ADDRESS=$(head -n 1 "$SESSION_EVENTS")
}

# session_saw <event> <n>: the manager has reported the event at least n times.
session_saw() { [ "$(grep -c -- "^$1" "$SESSION_EVENTS" || true)" -ge "$2" ]; }

case_a_session_checkpoint_leaves_it_logging_and_a_logout_ends_it() {
    [ -x "${E2E_SESSION_MANAGER:-}" ] || e2e_fail "no session manager to test with" || return 1
    e2e_fake_power battery 75 5400
    e2e_write_settings OftenIndex=1 StartStopState=On
    session_start_manager
    e2e_start_app
    e2e_main_window >/dev/null
    e2e_tray_icon >/dev/null
    e2e_wait_for "the program to join the session" session_saw registered 1

    echo checkpoint >&7
    e2e_wait_for "the checkpoint's save" session_saw save-yourself-done 1
    local lines
    lines=$(e2e_log_line_count)
    e2e_wait_for "entries after the checkpoint" e2e_log_has_lines $((lines + 2))
    e2e_tray_icon >/dev/null

    echo logout >&7
    e2e_wait_app_exit
    e2e_expect_clean_end
}
