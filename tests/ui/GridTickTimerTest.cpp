#include "ui/GridTickTimer.h"

#include <gtest/gtest.h>

#include <random>

#include "TickGridSteps.h"

namespace tess::test {
namespace {

using namespace std::chrono_literals;
using TimePoint = std::chrono::steady_clock::time_point;

// The system's timer of a busy machine: it comes at the first of the system's
// ticks (every 15.625 ms) after the time it was set for, and then behind 0 to
// 30 ms of other messages. Arrive() moves the clock to its next arrival.
class LateSystemTimer : public GridTickTimer {
public:
    explicit LateSystemTimer(FakeSteadyClock& clock)
        : GridTickTimer(clock.Function()), clock_(clock) {}

    void Arrive() {
        constexpr std::chrono::nanoseconds kSystemTick = 15625us;
        const auto set = (armedAt_ + armedFor_).time_since_epoch();
        const auto systemTicks = (set + kSystemTick - 1ns) / kSystemTick;
        clock_.now = TimePoint(systemTicks * kSystemTick + std::chrono::milliseconds(busy_() % 31));
        Arrived();
    }

private:
    void Arm(int milliseconds) override {
        armedAt_ = clock_.now;
        armedFor_ = std::chrono::milliseconds(milliseconds);
    }
    void Disarm() override {}

    FakeSteadyClock& clock_;
    TimePoint armedAt_;
    std::chrono::milliseconds armedFor_{};
    std::minstd_rand busy_{7};
};

// A day of "Log every 24 hours": its entry comes on the 86,400th tick of the
// one-second timer, which must come within a second of the day, each tick
// within its own second.
TEST(GridTickTimerTest, LateArrivalsDoNotAddUpOverADay) {
    FakeSteadyClock clock;
    LateSystemTimer timer(clock);
    int ticks = 0;
    int outOfTheirSecond = 0;
    timer.OnTick([&] {
        ++ticks;
        const auto at = clock.now.time_since_epoch();
        if (at < ticks * 1s || at >= (ticks + 1) * 1s) ++outOfTheirSecond;
    });
    timer.SetInterval(1000);
    while (ticks < 86400) timer.Arrive();
    EXPECT_LT(clock.now.time_since_epoch(), 86401s);
    EXPECT_EQ(outOfTheirSecond, 0);
}

}  // namespace
}  // namespace tess::test
