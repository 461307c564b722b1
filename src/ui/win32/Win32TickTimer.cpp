#include "ui/win32/Win32TickTimer.h"

#include <windows.h>

#include <utility>

#include "common/win32/SystemError.h"

namespace tess {

namespace {
constexpr UINT_PTR kTimerId = 1;
}

Win32TickTimer::Win32TickTimer(SteadyNow now)
    : GridTickTimer(std::move(now)),
      window_([this](std::uint32_t message, std::uintptr_t wParam, std::intptr_t,
                     std::intptr_t& result) {
          if (message != WM_TIMER || wParam != kTimerId) return false;
          Arrived();
          result = 0;
          return true;
      }) {}

Win32TickTimer::~Win32TickTimer() {
    KillTimer(window_.Handle(), kTimerId);
}

void Win32TickTimer::Arm(int milliseconds) {
    if (SetTimer(window_.Handle(), kTimerId, static_cast<UINT>(milliseconds), nullptr) == 0) {
        ThrowSystemError(GetLastError(), "Cannot start the timer");
    }
}

void Win32TickTimer::Disarm() {
    KillTimer(window_.Handle(), kTimerId);
}

}  // namespace tess
