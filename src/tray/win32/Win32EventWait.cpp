#include "tray/win32/Win32EventWait.h"

#include <windows.h>

#include "common/win32/MessagePump.h"

namespace tess {

void Win32EventWait::WaitUntil(const std::function<bool()>& done, int timeoutMs) {
    if (timeoutMs <= 0 || done()) return;

    RunningWait wait{&done, false};
    running_.push_back(&wait);
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
    for (;;) {
        const ULONGLONG now = GetTickCount64();
        if (wait.ended || now >= deadline) break;
        // Input that arrived before the call counts as well, not only new input.
        MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(deadline - now), QS_ALLINPUT,
                                    MWMO_INPUTAVAILABLE);
        if (!DispatchPendingMessages()) break;
    }
    running_.pop_back();
}

void Win32EventWait::Wake() {
    for (RunningWait* wait : running_) {
        if ((*wait->done)()) wait->ended = true;
    }
}

}  // namespace tess
