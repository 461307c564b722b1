#include "ui/win32/MutexOneCopy.h"

#include <windows.h>

#include <utility>

#include "ui/win32/MessageWindow.h"

namespace tess {

namespace {

// How long a later start waits for the copy that runs, which may itself be
// starting (owning the mutex, its window not made yet) or ending.
constexpr DWORD kHandOverMs = 10000;
constexpr DWORD kRetryMs = 50;

}  // namespace

MutexOneCopy::MutexOneCopy(std::wstring name)
    : name_(std::move(name)), message_(RegisterWindowMessageW((name_ + L".Show").c_str())) {}

MutexOneCopy::~MutexOneCopy() {
    window_.reset();
    if (mutex_ != nullptr) CloseHandle(mutex_);
}

bool MutexOneCopy::Claim(std::function<bool()> anotherStart) {
    const DWORD start = GetTickCount();
    for (;;) {
        mutex_ = CreateMutexW(nullptr, FALSE, (L"Local\\" + name_).c_str());
        // Without a mutex nothing can tell copies apart: this start runs rather
        // than never running.
        if (mutex_ == nullptr) return true;
        if (GetLastError() != ERROR_ALREADY_EXISTS) break;
        CloseHandle(mutex_);
        mutex_ = nullptr;
        // A copy that is ending refuses, or keeps its mutex a moment after it
        // stopped answering: this start runs once that copy has gone. One that
        // is starting answers once its window is made. One that never answers
        // keeps the session's copy: two would log every entry twice.
        const DWORD waited = GetTickCount() - start;
        if (waited >= kHandOverMs || HandOver(kHandOverMs - waited)) return false;
        Sleep(kRetryMs);
    }
    window_ = std::make_unique<MessageWindow>(
        [this, anotherStart = std::move(anotherStart)](std::uint32_t message, std::uintptr_t,
                                                      std::intptr_t, std::intptr_t& result) {
            if (message_ == 0 || message != message_) return false;
            result = anotherStart() ? 1 : 0;
            return true;
        },
        name_.c_str());
    return true;
}

// Asks the copy that runs to show its window, and lets it take the foreground,
// which Windows gives only to the process the user started last; true once that
// copy has answered.
bool MutexOneCopy::HandOver(unsigned long timeoutMs) const {
    const HWND window = MessageWindow::Find(name_.c_str());
    if (window == nullptr) return false;
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    AllowSetForegroundWindow(process);
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window, message_, 0, 0, SMTO_ABORTIFHUNG, timeoutMs, &result) != 0 &&
           result == 1;
}

}  // namespace tess
