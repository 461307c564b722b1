#include "tray/win32/ShellRecord.h"

#include <cstring>

#include "common/win32/AnsiText.h"

namespace tess {

namespace {

// Copies the ANSI text of `text` into a field of N characters with its NUL. A
// character of several bytes that would not fit whole is left out.
template <std::size_t N>
void CopyField(const std::string& text, CHAR (&field)[N]) {
    const std::string ansi = Utf8ToAnsi(text, N - 1);
    std::memcpy(field, ansi.data(), ansi.size());
    field[ansi.size()] = '\0';
}

}  // namespace

NOTIFYICONDATAA ToShellRecord(const NotifyIconData& record, HICON icon) {
    NOTIFYICONDATAA data;
    ZeroMemory(&data, sizeof data);
    data.cbSize = NOTIFYICONDATAA_V2_SIZE;
    data.hWnd = reinterpret_cast<HWND>(record.hWnd);
    data.uID = record.uID;
    data.uFlags = record.uFlags;
    data.uCallbackMessage = record.uCallbackMessage;
    data.hIcon = icon;
    CopyField(record.szTip, data.szTip);
    CopyField(record.szInfo, data.szInfo);
    data.uTimeout = record.uTimeout;
    CopyField(record.szInfoTitle, data.szInfoTitle);
    data.dwInfoFlags = record.dwInfoFlags;
    return data;
}

}  // namespace tess
