#include "ui/win32/Win32Launcher.h"

#include <windows.h>
// shellapi.h needs windows.h before it.
#include <shellapi.h>

#include <QDir>
#include <QFileInfo>
#include <QString>
#include <string>

#include "common/win32/SystemError.h"
#include "ui/win32/CommandLineArgument.h"

namespace tess {

namespace {

std::wstring Wide(const std::string& utf8) {
    return QString::fromStdString(utf8).toStdWString();
}

// The Notepad of the system folder, so that no program of that name in the
// current folder or elsewhere on the search path is started instead. The
// system folder's path always fits in MAX_PATH.
std::wstring SystemNotepad() {
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) ThrowSystemError(GetLastError(), "Cannot find Notepad");
    return std::wstring(folder, length) + L"\\notepad.exe";
}

}  // namespace

void Win32Launcher::OpenUrl(const std::string& url) {
    const std::wstring file = Wide(url);
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
void Win32Launcher::OpenInTextEditor(const std::string& path) {
    const QString fullPath =
        QDir::toNativeSeparators(QFileInfo(QString::fromStdString(path)).absoluteFilePath());
    const std::wstring program = SystemNotepad();
    std::wstring commandLine = Wide("notepad.exe " + QuoteArgument(fullPath.toStdString()));
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
