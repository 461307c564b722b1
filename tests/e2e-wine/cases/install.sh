# shellcheck shell=bash
# The download: the zip, and the installer run silently, with the program it
# installs started, then the uninstaller run silently while that program runs.
# E2E_VERSION is the project's version, which the download's names and the
# installer's Apps entry carry.

INSTALL_UNINSTALL_KEY='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tessaline'
INSTALL_USER_RUN_KEY='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'

# The folder of the download made from the program under test, made by the
# first case that asks (packaging/windows/make-download.sh).
install_download() {
    local folder="$E2E_RUN_DIR/download"
    [ -n "${E2E_VERSION:-}" ] || e2e_fail "E2E_VERSION is not set" || return 1
    if [ ! -f "$folder/Tessaline-$E2E_VERSION-setup.exe" ]; then
        sh "$E2E_WINE_HERE/../../packaging/windows/make-download.sh" "$E2E_APP" "$E2E_VERSION" \
            "$folder" >"$E2E_CASE_ARTIFACTS/download.log" 2>&1 ||
            { cat "$E2E_CASE_ARTIFACTS/download.log" >&2; e2e_fail "the download was not made"; } ||
            return 1
    fi
    echo "$folder"
}

# Every file and folder of the users' profiles, for a comparison.
install_profile_entries() {
    (cd "$WINEPREFIX/drive_c/users" && find . -mindepth 1 | LC_ALL=C sort)
}

# install_listing <folder>: the names in the folder, on one line.
install_listing() { find "$1" -mindepth 1 -printf '%P\n' | LC_ALL=C sort | tr '\n' ' '; }

# The uninstaller's copy of itself, which does the work, has ended.
install_uninstaller_ended() { ! e2e_probe process Un.exe; }

install_uninstall_key_gone() { ! e2e_wine reg query "$INSTALL_UNINSTALL_KEY" >/dev/null 2>&1; }

# The zip holds the program and a readme in CR LF lines, and nothing else; the
# program is the one of the download, stripped.
case_the_zip_holds_the_program_and_its_readme() {
    local download zip unpacked
    download=$(install_download)
    zip="$download/Tessaline-$E2E_VERSION-windows-x64.zip"
    [ -f "$zip" ] || e2e_fail "no zip named Tessaline-$E2E_VERSION-windows-x64.zip"
    cmake -E tar tf "$zip" >"$E2E_CASE_ARTIFACTS/zip_contents.txt"
    [ "$(LC_ALL=C sort "$E2E_CASE_ARTIFACTS/zip_contents.txt" | tr '\n' ' ')" = 'README.txt tessaline.exe ' ] ||
        e2e_fail "the zip holds: $(tr '\n' ' ' <"$E2E_CASE_ARTIFACTS/zip_contents.txt")"
    unpacked="$E2E_CASE_DIR/unpacked"
    mkdir -p "$unpacked"
    (cd "$unpacked" && cmake -E tar xf "$zip")
    cmp -s "$unpacked/tessaline.exe" "$download/tessaline.exe" ||
        e2e_fail "the zip's program is not the download's"
    x86_64-w64-mingw32-objdump -h "$unpacked/tessaline.exe" | grep -q '\.debug' &&
        e2e_fail "the zip's program is not stripped"
    local readme="$unpacked/README.txt" lines
    lines=$(wc -l <"$readme")
    [ "$lines" -gt 10 ] || e2e_fail "the readme has $lines lines"
    [ "$(grep -c $'\r$' "$readme")" -eq "$lines" ] || e2e_fail "the readme's lines do not end in CR LF"
    head -n 1 "$readme" | grep -Fq "Tessaline $E2E_VERSION" ||
        e2e_fail "the readme does not name version $E2E_VERSION"
    local topic
    for topic in 'HKEY_CURRENT_USER\Software\Quorvane\Tessaline' '%TEMP%\Tessaline.txt' 'Removing it'; do
        grep -Fq "$topic" "$readme" || e2e_fail "the readme does not say '$topic'"
    done
}

# /S installs for the user, without asking: the program and the uninstaller in
# the user's programs folder, the Start-menu entry, the Apps entry. The program
# starts from there and logs. The silent uninstall, while it runs, closes it and
# takes every file of ours away, the Apps entry and the start-with-Windows value
# that names the installed program; the settings, the log and a value naming
# another copy stay.
case_the_installer_installs_and_uninstalls_silently() {
    local download before after
    download=$(install_download)
    before=$(install_profile_entries)
    e2e_wine "$download/Tessaline-$E2E_VERSION-setup.exe" /S ||
        e2e_fail "the installer ended with status $?"

    local folder shortcut
    folder=$(e2e_unix_path "$E2E_INSTALL_DIR_WIN")
    [ "$(install_listing "$folder")" = 'Uninstall.exe tessaline.exe ' ] ||
        e2e_fail "the program's folder holds: $(install_listing "$folder")"
    cmp -s "$folder/tessaline.exe" "$download/tessaline.exe" ||
        e2e_fail "the installed program is not the download's"
    shortcut=$(e2e_unix_path "$E2E_SHORTCUT_WIN")
    [ -f "$shortcut" ] || e2e_fail "no Start-menu entry"
    # A shell link holds its target's path in the ANSI code page.
    tr -c '[:print:]' '\n' <"$shortcut" | grep -Fxq "$E2E_INSTALL_DIR_WIN\\tessaline.exe" ||
        e2e_fail "the Start-menu entry does not start the installed program"

    local name expected value
    while IFS='|' read -r name expected; do
        value=$(e2e_reg_query "$INSTALL_UNINSTALL_KEY" "$name") || e2e_fail "no $name in the Apps entry"
        [ "$value" = "$expected" ] || e2e_fail "the Apps entry's $name is '$value', not '$expected'"
    done <<EOF
DisplayName|Tessaline
DisplayVersion|$E2E_VERSION
Publisher|Quorvane
InstallLocation|$E2E_INSTALL_DIR_WIN
DisplayIcon|$E2E_INSTALL_DIR_WIN\\tessaline.exe,0
UninstallString|"$E2E_INSTALL_DIR_WIN\\Uninstall.exe"
QuietUninstallString|"$E2E_INSTALL_DIR_WIN\\Uninstall.exe" /S
NoModify|0x1
NoRepair|0x1
EOF
    # The size of what was installed, in whole kB.
    local kilobytes bytes
    kilobytes=$(($(e2e_reg_query "$INSTALL_UNINSTALL_KEY" EstimatedSize)))
    bytes=$(cat "$folder"/* | wc -c)
    [ "$kilobytes" -eq $((bytes / 1024)) ] || e2e_fail "EstimatedSize is $kilobytes kB for $bytes bytes"

    # The installed program, logging every second, starting with Windows; the
    # user's own Run value names a copy of the program elsewhere.
    E2E_PROGRAM_WIN="$E2E_INSTALL_DIR_WIN\\tessaline.exe"
    e2e_put_setting OftenIndex 1
    e2e_put_setting StartStopState On
    local elsewhere='"C:\Tools\tessaline.exe"'
    e2e_wine reg add "$INSTALL_USER_RUN_KEY" /v tessaline.exe /d "$elsewhere" /f >/dev/null
    e2e_start_to_window
    e2e_wait_for "two entries" e2e_log_has_lines 2
    e2e_click_control Tessaline "$E2E_CHECK4"
    e2e_wait_for "Windows Startup On" e2e_setting_is 'Windows Startup' On
    [ "$(e2e_reg_query "$E2E_RUN_KEY" tessaline.exe)" = "\"$E2E_PROGRAM_WIN\"" ] ||
        e2e_fail "the Run value does not name the installed program"
    e2e_minimise Tessaline
    e2e_wait_for "the window to hide" e2e_window_hidden Tessaline

    # As Settings > Apps runs it: the uninstaller copies itself to TEMP, starts
    # that copy and ends at once.
    e2e_wine "$E2E_INSTALL_DIR_WIN\\Uninstall.exe" /S || e2e_fail "the uninstaller ended with status $?"
    e2e_wait_app_exit
    e2e_expect_clean_end
    e2e_wait_for "the Apps entry to go" install_uninstall_key_gone
    e2e_wait_for "the uninstaller to end" install_uninstaller_ended

    [ ! -e "$folder" ] || e2e_fail "the program's folder stayed: $(install_listing "$folder")"
    [ ! -e "$shortcut" ] || e2e_fail "the Start-menu entry stayed"
    ! e2e_reg_query "$E2E_RUN_KEY" tessaline.exe >/dev/null || e2e_fail "the Run value stayed"
    [ "$(e2e_reg_query "$INSTALL_USER_RUN_KEY" tessaline.exe)" = "$elsewhere" ] ||
        e2e_fail "the Run value naming another copy went"
    [ "$(e2e_setting Text1)" = "$E2E_TEMP_WIN\\Tessaline.txt" ] || e2e_fail "the settings went"
    e2e_log_has_lines 2 || e2e_fail "the log went"

    # Of the files, only the log is new, and the uninstaller's copy of itself
    # that did the work: the uninstaller runs from TEMP so that it can remove
    # its own folder, and the copy cannot remove itself.
    after=$(install_profile_entries)
    local temp
    temp="./$(id -un)/Temp"
    LC_ALL=C comm -13 <(echo "$before") <(echo "$after") |
        grep -Evx "$temp/Tessaline\.txt|$temp/~nsu[0-9A-Za-z]*\.tmp(/Un\.exe)?" \
            >"$E2E_CASE_ARTIFACTS/left_behind.txt" || true
    [ ! -s "$E2E_CASE_ARTIFACTS/left_behind.txt" ] ||
        e2e_fail "left behind: $(tr '\n' ' ' <"$E2E_CASE_ARTIFACTS/left_behind.txt")"
}
