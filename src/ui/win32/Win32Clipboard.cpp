#include "ui/win32/Win32Clipboard.h"

#include <windows.h>

#include <algorithm>
#include <memory>
#include <string_view>

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

// UTF-16 text with room for its terminating NUL, in movable global memory
// as the clipboard takes it, grown as the pieces come.
class Win32ClipboardText : public ClipboardText {
public:
    Win32ClipboardText(HWND owner, std::size_t bytes) : owner_(owner) {
        // A character takes no more UTF-16 units than UTF-8 bytes.
        Reserve(bytes + 1);
    }
    ~Win32ClipboardText() override {
        if (memory_ != nullptr) GlobalFree(memory_);
    }
    Win32ClipboardText(const Win32ClipboardText&) = delete;
    Win32ClipboardText& operator=(const Win32ClipboardText&) = delete;

    void Append(std::string_view utf8) override {
        if (utf8.empty()) return;
        const int size = static_cast<int>(utf8.size());
        const int units = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
        Reserve(length_ + static_cast<std::size_t>(units) + 1);
        auto* text = static_cast<wchar_t*>(GlobalLock(memory_));
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, text + length_, units);
        GlobalUnlock(memory_);
        length_ += static_cast<std::size_t>(units);
    }

    void Put() override {
        auto* text = static_cast<wchar_t*>(GlobalLock(memory_));
        text[length_] = L'\0';
        GlobalUnlock(memory_);
        const OpenedClipboard clipboard(owner_);
        if (!EmptyClipboard() || SetClipboardData(CF_UNICODETEXT, memory_) == nullptr) {
            ThrowSystemError(GetLastError(), "Cannot copy to the clipboard");
        }
        memory_ = nullptr;  // the clipboard's from here on
    }

private:
    void Reserve(std::size_t units) {
        if (units <= capacity_) return;
        const std::size_t grown = std::max(units, capacity_ + capacity_ / 2);
        const SIZE_T bytes = grown * sizeof(wchar_t);
        const HGLOBAL memory = memory_ == nullptr ? GlobalAlloc(GMEM_MOVEABLE, bytes)
                                                  : GlobalReAlloc(memory_, bytes, GMEM_MOVEABLE);
        if (memory == nullptr) ThrowSystemError(GetLastError(), "Cannot copy to the clipboard");
        memory_ = memory;
        capacity_ = grown;
    }

    HWND owner_;
    HGLOBAL memory_ = nullptr;
    std::size_t capacity_ = 0;
    std::size_t length_ = 0;
};

}  // namespace

Win32Clipboard::Win32Clipboard()
    : owner_([](std::uint32_t, std::uintptr_t, std::intptr_t, std::intptr_t&) { return false; }) {}

std::unique_ptr<ClipboardText> Win32Clipboard::NewText(std::size_t bytes) {
    return std::make_unique<Win32ClipboardText>(owner_.Handle(), bytes);
}

}  // namespace tess
