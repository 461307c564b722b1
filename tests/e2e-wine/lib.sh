# shellcheck shell=bash
# Helpers of the end-to-end run of the Windows program under Wine. The cases,
# their runner and the helpers that do not depend on the desktop are those of
# tests/e2e (lib.sh there); what follows replaces its desktop with Wine's.
#
# The desktop is a Wine virtual desktop on Xvfb: one X window of
# E2E_DESKTOP_SIZE at the top left of the screen, with Wine's own taskbar and
# notification area along its bottom. Every Wine program of the run shows in
# it, so a point of the desktop is the same point of the X screen, and xdotool
# clicks and types there as a user would. The probe (tools/probe.cpp, in
# E2E_PROBE) reports the Windows side: windows, their states, dialog boxes and
# the notification area.
#
# The run makes one Wine prefix and keeps its fresh registry; every case
# starts from that registry, an empty TEMP folder and no program running. A
# case has, besides what tests/e2e/lib.sh gives it:
#   E2E_PROGRAM_WIN   where the case's copy of the program is (a Windows path)
#   E2E_LOCALE        the Unix locale the program runs in (Wine takes its ANSI
#                     code page from it); en_US.UTF-8 unless the case changes it

# Wine's first start in a prefix takes a while on a loaded machine, and each
# Wine program starts slower than a Linux one; set before tests/e2e/lib.sh
# gives its own.
E2E_TIMEOUT=${E2E_TIMEOUT:-30}
E2E_CASE_LIMIT=${E2E_CASE_LIMIT:-240}
E2E_CALL_LIMIT=${E2E_CALL_LIMIT:-120}
# shellcheck source=../e2e/lib.sh
. "$(cd "$(dirname "${BASH_SOURCE[0]}")/../e2e" && pwd)/lib.sh"
E2E_WINE_HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# Where the installer puts the program and its Start-menu entry.
E2E_INSTALL_DIR_WIN="C:\\users\\$(id -un)\\AppData\\Local\\Programs\\Tessaline"
E2E_SHORTCUT_WIN="C:\\users\\$(id -un)\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu"
E2E_SHORTCUT_WIN+="\\Programs\\Tessaline.lnk"
E2E_DESKTOP_SIZE=1000x700

# --- the desktop ----------------------------------------------------------

e2e_require_tools() {
    local tool missing=
    for tool in Xvfb wine wineserver wineboot xdotool import iconv awk makensis zip \
        x86_64-w64-mingw32-strip; do
        command -v "$tool" >/dev/null 2>&1 || missing="$missing $tool"
    done
    if [ -n "$missing" ]; then
        e2e_note "missing:$missing (sh scripts/test-windows.sh installs them)"
        return 1
    fi
    [ -f "${E2E_PROBE:-}" ] || { e2e_note "no probe in E2E_PROBE"; return 1; }
}

# The Unix side of a Windows path of the prefix ("C:\x\y" -> .../drive_c/x/y).
# Wine names files in the character set of the case's locale.
e2e_unix_path() {
    local path=${1#[Cc]:}
    printf '%s/drive_c%s\n' "$WINEPREFIX" "$(e2e_in_locale "${path//\\//}")"
}

# e2e_in_locale <text>: the UTF-8 text in the character set of the case's
# locale, as Wine reads it from arguments and file names.
e2e_in_locale() {
    local locale=${E2E_LOCALE:-en_US.UTF-8}
    printf '%s' "$1" | iconv -f UTF-8 -t "${locale#*.}"
}

# e2e_wine <program> [<argument>...]: a Wine program of the run, in the case's
# locale, ended after E2E_CALL_LIMIT seconds.
e2e_wine() {
    local locale=${E2E_LOCALE:-en_US.UTF-8} status=0
    LANG=$locale LC_ALL=$locale timeout -k 5 "$E2E_CALL_LIMIT" wine "$@" || status=$?
    [ "$status" -ne 124 ] || e2e_note "wine $1 did not end in $E2E_CALL_LIMIT s"
    return "$status"
}

# The OEM code page of the case's locale, in which console programs write.
e2e_oem_charset() {
    case ${E2E_LOCALE:-en_US.UTF-8} in
    el_GR*) echo CP737 ;;
    *) echo CP437 ;;
    esac
}

e2e_probe() { e2e_wine "$E2E_PROBE_WIN" "$@"; }

# Starts Xvfb on a free display and makes the run's Wine prefix: booted, with
# every program on one virtual desktop, its registry kept for the cases.
e2e_start_desktop() {
    local ready="$E2E_RUN_DIR/display" tries=0
    : >"$ready"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$ready" \
        >"$E2E_RUN_DIR/xvfb.log" 2>&1 &
    E2E_XVFB_PID=$!
    e2e_poll 10 e2e_display_settled "$ready" || true
    if ! e2e_alive "$E2E_XVFB_PID" || [ ! -s "$ready" ]; then
        e2e_fail "no display could be started"
        return 1
    fi
    export DISPLAY=":$(cat "$ready")"
    unset WAYLAND_DISPLAY

    export WINEPREFIX="$E2E_RUN_DIR/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    # Wine's menu builder copies Start-menu entries into the desktop's own
    # menu: here into folders of the run, never the user's.
    export XDG_DATA_HOME="$E2E_RUN_DIR/xdg/data" XDG_CONFIG_HOME="$E2E_RUN_DIR/xdg/config"
    export LOCPATH="${E2E_LOCPATH:-}"
    mkdir -p "$WINEPREFIX"
    timeout -k 5 300 wineboot -i >"$E2E_RUN_DIR/wineboot.log" 2>&1 ||
        { e2e_fail "wineboot failed or took over 300 s"; return 1; }
    # Wine's own fonts (fonts-wine), which Debian's Wine does not look for where
    # the package puts them: without Marlett, captions show letters for buttons.
    cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    # Wine gives the desktop named "shell" its taskbar.
    e2e_wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d shell /f >/dev/null &&
        e2e_wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v shell \
            /d "$E2E_DESKTOP_SIZE" /f >/dev/null || { e2e_fail "no virtual desktop"; return 1; }
    e2e_end_wine_session
    mkdir -p "$E2E_RUN_DIR/registry"
    cp "$WINEPREFIX"/*.reg "$E2E_RUN_DIR/registry/"
    E2E_PROBE_WIN="C:\\tessaline-e2e\\probe.exe"
    mkdir -p "$(e2e_unix_path 'C:\tessaline-e2e')"
    cp "$E2E_PROBE" "$(e2e_unix_path "$E2E_PROBE_WIN")"
    e2e_note "Wine desktop on $DISPLAY, prefix $WINEPREFIX"
}

# Ends every Wine program of the run (the desktop among them) and waits for the
# server, which writes the registry on its way out.
e2e_end_wine_session() {
    wineserver -k 2>/dev/null || true
    timeout -k 5 60 wineserver -w 2>/dev/null || e2e_note "the Wine server took over 60 s to end"
}

e2e_desktop_running() { e2e_alive "${E2E_XVFB_PID:-0}"; }

e2e_stop_desktop() {
    if [ -n "${WINEPREFIX:-}" ]; then e2e_end_wine_session; fi
    e2e_stop_pid "${E2E_XVFB_PID:-}"
    E2E_XVFB_PID=''
}

# The taskbar of the virtual desktop is there.
e2e_taskbar_shown() { e2e_probe taskbar >/dev/null 2>&1; }

# --- a case's home --------------------------------------------------------

# The prefix as the run made it: its fresh registry, an empty TEMP folder, no
# program installed (copied, or by the installer) or running; then the desktop,
# started anew.
e2e_new_home() {
    e2e_end_wine_session
    cp "$E2E_RUN_DIR"/registry/*.reg "$WINEPREFIX/"
    E2E_TEMP_WIN="C:\\users\\$(id -un)\\Temp"
    rm -rf "$(e2e_unix_path "$E2E_TEMP_WIN")" "$(e2e_unix_path 'C:\Program Files\Tessaline')" \
        "$(e2e_unix_path "$E2E_INSTALL_DIR_WIN")" "$(e2e_unix_path "$E2E_SHORTCUT_WIN")"
    mkdir -p "$(e2e_unix_path "$E2E_TEMP_WIN")"
    E2E_PROGRAM_WIN="C:\\Program Files\\Tessaline\\$(basename "$E2E_APP")"
    E2E_LOCALE=en_US.UTF-8
    e2e_wait_for "the Wine desktop" e2e_taskbar_shown
}

# e2e_set_temp <Windows folder>: the user's TEMP (and TMP) from the next
# program's start on; the folder is made.
e2e_set_temp() {
    E2E_TEMP_WIN=$1
    e2e_wine reg add 'HKCU\Environment' /v TEMP /d "$(e2e_in_locale "$1")" /f >/dev/null
    e2e_wine reg add 'HKCU\Environment' /v TMP /d "$(e2e_in_locale "$1")" /f >/dev/null
    mkdir -p "$(e2e_unix_path "$1")"
}

# The default log file, in the Windows TEMP folder of the case.
e2e_log_file() { e2e_unix_path "$E2E_TEMP_WIN\\Tessaline.txt"; }

# --- the registry ---------------------------------------------------------

# e2e_reg_query <key> <value>: the data of a value (a string, or a number as
# 0x...), read with `wine reg query` (which writes in the OEM code page of the
# case's locale); nothing, and status 1, when the value is missing.
e2e_reg_query() {
    local output
    output=$(e2e_wine reg query "$1" /v "$2" 2>/dev/null | iconv -f "$(e2e_oem_charset)" -t UTF-8 |
        tr -d '\r') ||
        return 1
    printf '%s\n' "$output" | awk -v name="$2" '
        { line = $0; sub(/^ +/, "", line) }
        index(line, name "    REG_") == 1 {
            sub(/^[^ ]+( [^ ]+)* +REG_[A-Z_]+ +/, "", line)
            print line; found = 1; exit
        }
        END { exit !found }'
}

# e2e_setting <key>: the program's stored value of that key, nothing when there is none.
e2e_setting() { e2e_reg_query 'HKCU\Software\Quorvane\Tessaline' "$1" || true; }

# e2e_put_setting <key> <value>: stores a value as the program would.
e2e_put_setting() {
    e2e_wine reg add 'HKCU\Software\Quorvane\Tessaline' /v "$1" /d "$(e2e_in_locale "$2")" /f \
        >/dev/null
}

# --- the program ----------------------------------------------------------

# e2e_start_app: copies the program to E2E_PROGRAM_WIN (when it is not there)
# and starts it there, in E2E_LOCALE; its output goes to app.log (or
# E2E_APP_LOG) among the case's artifacts. Sets E2E_APP_PID, the Wine process
# that is the program (the Unix process that runs tessaline.exe).
e2e_start_app() {
    local program
    program=$(e2e_unix_path "$E2E_PROGRAM_WIN")
    if [ ! -f "$program" ]; then
        mkdir -p "$(dirname "$program")"
        cp "$E2E_APP" "$program"
    fi
    (
        cd "$E2E_CASE_DIR" || exit 1
        export LANG=$E2E_LOCALE LC_ALL=$E2E_LOCALE
        exec wine "$E2E_PROGRAM_WIN" "$@"
    ) >"$E2E_CASE_ARTIFACTS/${E2E_APP_LOG:-app.log}" 2>&1 &
    E2E_APP_PID=$!
    E2E_APP_STATUS=
    echo "$E2E_APP_PID" >>"$E2E_CASE_DIR/.app_pids"
}

# --- windows --------------------------------------------------------------

# e2e_window_state <title>: "visible iconic enabled x y w h" of the top-level
# window with that title; status 1 when there is none.
e2e_window_state() { e2e_probe window "$1" 2>/dev/null; }

# The window is shown in the normal state.
e2e_window_shown() {
    local state
    state=$(e2e_window_state "$1") || return 1
    [ "${state%% *}" = 1 ] && [ "$(echo "$state" | cut -d' ' -f2)" = 0 ]
}

# The window exists and is not shown (no taskbar button either).
e2e_window_hidden() {
    local state
    state=$(e2e_window_state "$1") || return 1
    [ "${state%% *}" = 0 ]
}

e2e_window_gone() { ! e2e_window_state "$1" >/dev/null; }

# e2e_control <title> <id>: "class id visible enabled x y w h text" of the
# control of that window with that id (the program's controls have the id
# 1000 + their place in the window's design).
e2e_control() { e2e_probe controls "$1" 2>/dev/null | awk -v id="$2" '$2 == id'; }

# e2e_control_visible <title> <id>: the control is shown.
e2e_control_visible() { [ "$(e2e_control "$1" "$2" | cut -d' ' -f3)" = 1 ]; }

# e2e_click_control <title> <id>: a click in the middle of the control.
e2e_click_control() {
    local line x y w h
    line=$(e2e_control "$1" "$2")
    [ -n "$line" ] || e2e_fail "no control $2 on '$1'" || return 1
    read -r _ _ _ _ x y w h _ <<<"$line"
    e2e_click_at $((x + w / 2)) $((y + h / 2))
}

# e2e_screenshot_window <name> <title>: the window as the desktop shows it,
# as <name>.png among the case's artifacts.
e2e_screenshot_window() {
    local x y w h
    read -r _ _ _ x y w h <<<"$(e2e_window_state "$2")"
    import -window root -crop "${w}x${h}+${x}+${y}" +repage "$E2E_CASE_ARTIFACTS/$1.png" \
        2>/dev/null || e2e_note "no screenshot $1"
}

# The program's main window, once shown.
e2e_main_window_shown() { e2e_window_shown Tessaline; }

e2e_is_foreground() { [ "$(e2e_probe foreground 2>/dev/null)" = "$1" ]; }

# e2e_click_at <x> <y> [<button>]: a click at that point of the desktop.
e2e_click_at() { xdotool mousemove "$1" "$2" click "${3:-1}"; }

# e2e_activate <title>: a click on the window's caption, which makes it the
# active window.
e2e_activate() {
    local state x y
    state=$(e2e_window_state "$1") || return 1
    read -r _ _ _ x y _ <<<"$state"
    e2e_click_at $((x + 40)) $((y + 10))
    e2e_wait_for "'$1' to be active" e2e_is_foreground "$1"
}

# e2e_minimise <title>: minimises the window through its system menu.
e2e_minimise() {
    e2e_activate "$1" || return 1
    xdotool key --clearmodifiers alt+space
    e2e_wait_for "the system menu of '$1'" e2e_menu_shown || return 1
    xdotool key n
}

# A pop-up menu (a system menu among them) shows.
e2e_menu_shown() { e2e_probe menu >/dev/null 2>&1; }

# e2e_close <title>: closes the window as its close box does (Alt+F4).
e2e_close() {
    e2e_activate "$1" || return 1
    xdotool key --clearmodifiers alt+F4
}

# --- the notification area ------------------------------------------------

# A balloon of the notification area is shown.
e2e_balloon_shown() { e2e_probe balloon >/dev/null 2>&1; }

# The program's icon is in the notification area.
e2e_tray_has_icon() { e2e_probe tray TessalineTrayWindow; }
e2e_tray_has_no_icon() { ! e2e_tray_has_icon; }

# e2e_click_tray_icon [<button>]: clicks the icon, the only one in the
# notification area, at the taskbar's right end; then moves the pointer away so
# that its tooltip does not come up.
e2e_click_tray_icon() {
    local x y w h
    read -r x y w h <<<"$(e2e_probe taskbar)"
    e2e_click_at $((x + w - 10)) $((y + h / 2)) "${1:-1}"
    xdotool mousemove 500 300
}

# --- boxes the program shows ----------------------------------------------

# e2e_dialog <caption>: the text of the shown box with that caption, then its
# buttons (id x y w h text); status 1 when none is shown.
e2e_dialog() { e2e_probe dialog "$1" 2>/dev/null; }
e2e_dialog_shown() { e2e_dialog "$1" >/dev/null; }
e2e_no_dialog() { ! e2e_dialog_shown "$1"; }

# e2e_answer_dialog <caption> <button text>: clicks that button of the box and
# waits for the box to go (another box of that caption may come next). The box
# is in front first: a box just made may not yet stand where it is shown.
e2e_answer_dialog() {
    local id x y w h text box
    e2e_wait_for "box '$1' in front" e2e_is_foreground "$1" || return 1
    box=$(e2e_dialog "$1")
    while read -r id x y w h text; do
        if [ "$text" = "$2" ]; then
            e2e_click_at $((x + w / 2)) $((y + h / 2))
            e2e_wait_for "box '$1' to close" e2e_dialog_is_not "$1" "$box"
            return
        fi
    done < <(printf '%s\n' "$box" | tail -n +2)
    e2e_fail "no button '$2' on box '$1'"
}

# e2e_dialog_is_not <caption> <what e2e_dialog printed>: no box of that caption
# shows, or one that says something else.
e2e_dialog_is_not() { [ "$(e2e_dialog "$1")" != "$2" ]; }

# The program is gone, its icon with it.
e2e_expect_clean_end() {
    e2e_expect_status 0
    e2e_tray_has_no_icon || e2e_fail "the tray icon was left behind"
}
