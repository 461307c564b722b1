#pragma once

#include <chrono>
#include <functional>

namespace tess {

// The time of a steady clock now: injected into the timers and the waits, so
// that tests choose the moments at which the system's timers come and the
// waits' time runs out.
using SteadyNow = std::function<std::chrono::steady_clock::time_point()>;

inline std::chrono::steady_clock::time_point SteadyClockNow() {
    return std::chrono::steady_clock::now();
}

}  // namespace tess
