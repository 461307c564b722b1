#pragma once

#include <chrono>
#include <functional>
#include <string>

#include "ui/TickTimer.h"

namespace tess::test {

// A steady clock that the test sets. A tick timer reads it once when it is set
// going and once at each arrival of the system's timer, so that a test knows
// by the reads when an arrival has been judged.
struct FakeSteadyClock {
    std::function<std::chrono::steady_clock::time_point()> Function() {
        return [this] {
            ++reads;
            if (onRead) onRead();
            return now;
        };
    }

    std::chrono::steady_clock::time_point now{};
    int reads = 0;
    std::function<void()> onRead;
};

// A moment of a tick timer's life on the injected clock, the timer set going at
// 0 with a period of 30 ms: the system's timer arrives at `atMs` or, where
// `interval` is given, the interval changes then; `ticks` is the count after.
struct TickGridStep {
    const char* what;
    int atMs;
    int ticks;
    int interval = 0;
};

inline constexpr int kTickGridPeriodMs = 30;
inline constexpr TickGridStep kTickGridSteps[] = {
    {"before its period is over: no tick", 20, 0},
    {"late: a tick", 37, 1},
    {"due at 60 on the grid, not a period after the late tick", 62, 2},
    {"a whole period late: one tick", 120, 3},
    {"again at that moment: no second tick for one period", 120, 3},
    {"three periods late: one tick, not a burst", 245, 4},
    {"the grid starts again from that tick: nothing due at 270", 270, 4},
    {"due at 275", 275, 5},
    {"a new interval while armed starts its period", 280, 5, 50},
    {"when the old period would be due: no tick", 305, 5},
    {"due at 330", 330, 6},
};

// Runs the steps on a timer over `clock`; `arrive` runs the event loop until the
// system's timer has come once (the clock read again). Empty when every step
// counted what it should; else the first step that did not, with its count.
inline std::string RunTickGridSteps(TickTimer& timer, FakeSteadyClock& clock,
                                    const std::function<void()>& arrive) {
    int ticks = 0;
    timer.OnTick([&ticks] { ++ticks; });
    clock.now = {};
    timer.SetInterval(kTickGridPeriodMs);
    std::string wrong;
    for (const TickGridStep& step : kTickGridSteps) {
        clock.now = std::chrono::steady_clock::time_point(std::chrono::milliseconds(step.atMs));
        const int reads = clock.reads;
        step.interval != 0 ? timer.SetInterval(step.interval) : arrive();
        if (clock.reads == reads || ticks != step.ticks) {
            wrong = std::string(step.what) + ": " + std::to_string(ticks) + " ticks";
            break;
        }
    }
    timer.OnTick(nullptr);
    return wrong;
}

}  // namespace tess::test
