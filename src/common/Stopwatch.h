#pragma once

#include <chrono>
#include <cstdint>

namespace tess {

// Time that only goes forward, in milliseconds from any start: how long a
// piece of work has taken, whatever the clock on the wall does meanwhile.
class Stopwatch {
public:
    virtual ~Stopwatch() = default;
    virtual std::int64_t Milliseconds() const = 0;
};

// The machine's steady clock.
class SteadyStopwatch : public Stopwatch {
public:
    std::int64_t Milliseconds() const override {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }
};

}  // namespace tess
