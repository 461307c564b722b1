#include "ui/win32/Win32Launcher.h"

#include <windows.h>
// shellapi.h needs windows.h before it.
#include <shellapi.h>

#include <string>

#include "common/win32/SystemError.h"
#include "common/win32/WideText.h"
#include "ui/win32/CommandLineArgument.h"

namespace tess {

namespace {

// The Notepad of the system folder, so that no program of that name in the
// current folder or elsewhere on the search path is started instead. The
// system folder's path always fits in MAX_PATH.
std::wstring SystemNotepad() {
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) ThrowSystemError(GetLastError(), "Cannot find Notepad");
    return std::wstring(folder, length) + L"\\notepad.exe";
}

// The full path of `path`, taken from the current folder when it is relative.
std::wstring FullPath(const std::string& path) {
    const std::wstring wide = Utf8ToWide(path);
    std::wstring full(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (length == 0) ThrowSystemError(GetLastError(), "Cannot open " + path);
        if (length < full.size()) {
            full.resize(length);
            return full;
        }
        full.resize(length);  // the size it needs, its NUL included
    }
}

}  // namespace

void Win32Launcher::OpenUrl(const std::string& url) {
    const std::wstring file = Utf8ToWide(url);
    SHELLEXECUTEINFOW execute{};
    execute.cbSize = sizeof execute;
    // A failure comes back here, as an error, rather than as a message of the system's.
    execute.fMask = SEE_MASK_FLAG_NO_UI;
    execute.lpFile = file.c_str();
    execute.nShow = SW_SHOW;
    if (!ShellExecuteExW(&execute)) ThrowSystemError(GetLastError(), "Cannot open " + url);
}

// The path goes as an absolute one, so that a name starting with '/' is never
// read as one of Notepad's options.
void Win32Launcher::OpenInTextEditor(const std::string& path, Failure /*failed*/) {
    const std::wstring program = SystemNotepad();
    std::wstring commandLine =
        L"notepad.exe " + Utf8ToWide(QuoteArgument(WideToUtf8(FullPath(path))));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
        ThrowSystemError(GetLastError(), "Cannot start Notepad");
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

}  // namespace tess
