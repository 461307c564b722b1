#include "tray/win32/Win32EventWait.h"

#include <windows.h>

#include <chrono>
#include <utility>

namespace tess {

Win32EventWait::Win32EventWait(KeyboardHandling keyboard, SteadyNow now)
    : keyboard_(std::move(keyboard)), now_(std::move(now)) {}

void Win32EventWait::WaitUntil(const std::function<bool()>& done, int timeoutMs) {
    if (timeoutMs <= 0 || done()) return;

    RunningWait wait{&done, false};
    running_.push_back(&wait);
    const auto deadline = now_() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        const auto now = now_();
        if (wait.ended || now >= deadline) break;
        // Sleeps to the deadline, rounded up to a whole millisecond; input that
        // arrived before the call counts as well, not only new input.
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - now);
        MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(left.count()), QS_ALLINPUT,
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
