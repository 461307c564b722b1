#include "ui/win32/MutexOneCopy.h"

#include <windows.h>

#include <utility>

#include "ui/win32/MessageWindow.h"

namespace tess {

namespace {

// How long a later start waits for the copy that runs, which may itself be
// starting (owning the mutex, its window not made yet).
constexpr DWORD kHandOverMs = 10000;
constexpr DWORD kRetryMs = 50;

}  // namespace

MutexOneCopy::MutexOneCopy(std::wstring name)
    : name_(std::move(name)), message_(RegisterWindowMessageW((name_ + L".Show").c_str())) {}

MutexOneCopy::~MutexOneCopy() {
    window_.reset();
    if (mutex_ != nullptr) CloseHandle(mutex_);
}

bool MutexOneCopy::Claim(std::function<void()> anotherStart) {
    mutex_ = CreateMutexW(nullptr, FALSE, (L"Local\\" + name_).c_str());
    if (mutex_ != nullptr && GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex_);
        mutex_ = nullptr;
        HandOver();
        return false;
    }
    // Without a mutex nothing can tell copies apart: this start runs rather than
    // never running.
    if (mutex_ == nullptr) return true;
    window_ = std::make_unique<MessageWindow>(
        [this, anotherStart = std::move(anotherStart)](std::uint32_t message, std::uintptr_t,
                                                      std::intptr_t, std::intptr_t& result) {
            if (message_ == 0 || message != message_) return false;
            anotherStart();
            result = 1;
            return true;
        },
        name_.c_str());
    return true;
}

// Asks the copy that runs to show its window, and lets it take the foreground,
// which Windows gives only to the process the user started last.
void MutexOneCopy::HandOver() const {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < kHandOverMs) {
        if (HWND window = MessageWindow::Find(name_.c_str())) {
            DWORD process = 0;
            GetWindowThreadProcessId(window, &process);
            AllowSetForegroundWindow(process);
            DWORD_PTR result = 0;
            SendMessageTimeoutW(window, message_, 0, 0, SMTO_ABORTIFHUNG, kHandOverMs, &result);
            return;
        }
        Sleep(kRetryMs);
    }
}

}  // namespace tess
