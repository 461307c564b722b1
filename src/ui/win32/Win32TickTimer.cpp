#include "ui/win32/Win32TickTimer.h"

#include <windows.h>

#include <utility>

#include "common/win32/SystemError.h"

namespace tess {

namespace {
constexpr UINT_PTR kTimerId = 1;
}

Win32TickTimer::Win32TickTimer()
    : window_([this](std::uint32_t message, std::uintptr_t wParam, std::intptr_t,
                     std::intptr_t& result) {
          if (message != WM_TIMER || wParam != kTimerId) return false;
          Tick();
          result = 0;
          return true;
      }) {}

Win32TickTimer::~Win32TickTimer() {
    KillTimer(window_.Handle(), kTimerId);
}

void Win32TickTimer::SetInterval(int milliseconds) {
    if (milliseconds == interval_) return;
    interval_ = milliseconds;
    Apply();
}

void Win32TickTimer::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Apply();
}

void Win32TickTimer::OnTick(std::function<void()> handler) {
    handler_ = std::move(handler);
}

// Setting the timer anew starts its period again.
void Win32TickTimer::Apply() {
    if (Running()) {
        due_ = std::chrono::steady_clock::now() + std::chrono::milliseconds(interval_);
        Arm(interval_);
    } else {
        KillTimer(window_.Handle(), kTimerId);
    }
}

void Win32TickTimer::Arm(int milliseconds) {
    if (SetTimer(window_.Handle(), kTimerId, static_cast<UINT>(milliseconds), nullptr) == 0) {
        ThrowSystemError(GetLastError(), "Cannot start the timer");
    }
}

void Win32TickTimer::Tick() {
    if (!Running()) return;
    const auto now = std::chrono::steady_clock::now();
    if (now < due_) {
        // Early: wait out the rest, to the millisecond above.
        const auto rest = std::chrono::ceil<std::chrono::milliseconds>(due_ - now);
        Arm(static_cast<int>(rest.count()));
        return;
    }
    // The next period counts from this tick, as late as possible before the
    // handler: should setting the timer take long, its tick comes early and
    // waits out the rest above.
    Arm(interval_);
    due_ = std::chrono::steady_clock::now() + std::chrono::milliseconds(interval_);
    if (handler_) handler_();
}

}  // namespace tess
