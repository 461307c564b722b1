#include "tray/win32/Win32EventWait.h"

#include <windows.h>

#include <utility>

namespace tess {

Win32EventWait::Win32EventWait(KeyboardHandling keyboard, Milliseconds clock)
    : keyboard_(std::move(keyboard)), clock_(std::move(clock)) {}

std::uint64_t Win32EventWait::SystemMilliseconds() {
    return GetTickCount64();
}

void Win32EventWait::WaitUntil(const std::function<bool()>& done, int timeoutMs) {
    if (timeoutMs <= 0 || done()) return;

    RunningWait wait{&done, false};
    running_.push_back(&wait);
    const std::uint64_t deadline = clock_() + static_cast<std::uint64_t>(timeoutMs);
    for (;;) {
        const std::uint64_t now = clock_();
        if (wait.ended || now >= deadline) break;
        // Input that arrived before the call counts as well, not only new input.
        MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(deadline - now), QS_ALLINPUT,
                                    MWMO_INPUTAVAILABLE);
        if (!DispatchPendingMessages(keyboard_)) break;
    }
    running_.pop_back();
}

void Win32EventWait::Wake() {
    for (RunningWait* wait : running_) {
        if ((*wait->done)()) wait->ended = true;
    }
}

}  // namespace tess
