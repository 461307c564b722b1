#include "ui/win32/Win32Clipboard.h"

#include <windows.h>

#include <cstring>

#include "common/win32/AnsiText.h"
#include "common/win32/SystemError.h"

namespace tess {

namespace {

// Another program may hold the clipboard for a moment (a clipboard manager
// reading what came before): a few short tries before giving up.
void OpenClipboardOf(HWND owner) {
    constexpr int kTries = 10;
    for (int tryNumber = 1;; ++tryNumber) {
        if (OpenClipboard(owner)) return;
        if (tryNumber == kTries) ThrowSystemError(GetLastError(), "Cannot open the clipboard");
        Sleep(20);
    }
}

class OpenedClipboard {
public:
    explicit OpenedClipboard(HWND owner) { OpenClipboardOf(owner); }
    ~OpenedClipboard() { CloseClipboard(); }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
};

// The text with its terminating NUL in movable global memory, as the
// clipboard takes it.
HGLOBAL GlobalText(const std::wstring& text) {
    const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory == nullptr) ThrowSystemError(GetLastError(), "Cannot copy to the clipboard");
    void* data = GlobalLock(memory);
    std::memcpy(data, text.c_str(), bytes);
    GlobalUnlock(memory);
    return memory;
}

}  // namespace

Win32Clipboard::Win32Clipboard()
    : owner_([](std::uint32_t, std::uintptr_t, std::intptr_t, std::intptr_t&) { return false; }) {}

void Win32Clipboard::SetText(const std::string& text) {
    const HGLOBAL memory = GlobalText(AnsiToWide(text));
    const OpenedClipboard clipboard(owner_.Handle());
    if (!EmptyClipboard() || SetClipboardData(CF_UNICODETEXT, memory) == nullptr) {
        const DWORD error = GetLastError();
        GlobalFree(memory);  // the clipboard took it only on success
        ThrowSystemError(error, "Cannot copy to the clipboard");
    }
}

}  // namespace tess
