#include "ui/win32/Win32TickTimer.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <thread>
#include <vector>

#include "tray/win32/Win32EventWait.h"

namespace tess {
namespace {

class Win32TickTimerTest : public ::testing::Test {
protected:
    // Runs the thread's messages for `milliseconds`, or until `done()` holds
    // after a tick.
    void RunFor(int milliseconds, const std::function<bool()>& done = [] { return false; }) {
        wait.WaitUntil(done, milliseconds);
    }

    Win32EventWait wait;
    Win32TickTimer timer;
    int ticks = 0;
};

TEST_F(Win32TickTimerTest, TicksWhileEnabledAndNotAfterItIsStopped) {
    timer.OnTick([&] {
        if (++ticks == 3) timer.SetEnabled(false);
        wait.Wake();
    });
    timer.SetInterval(30);
    RunFor(30000, [&] { return ticks == 3; });
    ASSERT_EQ(ticks, 3);
    EXPECT_FALSE(timer.Enabled());
    RunFor(300);
    EXPECT_EQ(ticks, 3);
}

TEST_F(Win32TickTimerTest, DoesNotTickWithoutAnInterval) {
    timer.OnTick([&] { ++ticks; });
    timer.SetInterval(30);
    timer.SetInterval(0);
    EXPECT_TRUE(timer.Enabled());
    RunFor(300);
    EXPECT_EQ(ticks, 0);
}

TEST_F(Win32TickTimerTest, ATickDueBeforeTheStopIsDropped) {
    timer.OnTick([&] { ++ticks; });
    timer.SetInterval(10);
    Sleep(100);  // the tick is due: the system holds it for the next message loop
    timer.SetEnabled(false);
    RunFor(100);
    EXPECT_EQ(ticks, 0);
}

TEST_F(Win32TickTimerTest, EnablingAgainTicksAgain) {
    timer.OnTick([&] {
        ++ticks;
        wait.Wake();
    });
    timer.SetEnabled(false);
    timer.SetInterval(30);
    RunFor(200);
    EXPECT_EQ(ticks, 0);
    timer.SetEnabled(true);
    RunFor(30000, [&] { return ticks > 0; });
    EXPECT_GT(ticks, 0);
}

// Entries a second apart must never share a second: a tick may come late, never
// before its period is over, counted from the start or from the tick before.
TEST_F(Win32TickTimerTest, ATickNeverComesBeforeItsPeriod) {
    using Clock = std::chrono::steady_clock;
    using std::chrono::milliseconds;
    std::vector<Clock::time_point> times;
    timer.OnTick([&] {
        times.push_back(Clock::now());
        if (times.size() == 6) timer.SetEnabled(false);
        wait.Wake();
    });
    // Armed 7 ms past a multiple of the system's 15.625 ms tick, the grain that
    // SetTimer's time-outs are rounded to on Windows.
    const auto now = Clock::now().time_since_epoch();
    const auto grain = std::chrono::microseconds(15625);
    std::this_thread::sleep_until(Clock::time_point((now / grain + 1) * grain + milliseconds(7)));
    times.push_back(Clock::now());
    timer.SetInterval(100);
    RunFor(30000, [&] { return times.size() == 6; });
    ASSERT_EQ(times.size(), 6u);
    // The timer looks at the clock just before the handler does; the small
    // allowance is for what runs between the two on a busy machine.
    for (std::size_t i = 1; i < times.size(); ++i) {
        EXPECT_GE(times[i] - times[i - 1], milliseconds(98)) << "tick " << i;
    }
}

}  // namespace
}  // namespace tess
