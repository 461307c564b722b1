#include "ui/win32/Win32TickTimer.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "TickGridSteps.h"
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

// The grid of ticks through WM_TIMER, on an injected clock: each step lets the
// system's timer come once and the timer judge it by the clock.
TEST(Win32TickTimerGridTest, KeepsItsTicksOnTheGrid) {
    Win32EventWait wait;
    test::FakeSteadyClock clock;
    clock.onRead = [&wait] { wait.Wake(); };
    Win32TickTimer timer(clock.Function());
    const std::string wrong = test::RunTickGridSteps(timer, clock, [&] {
        const int reads = clock.reads;
        wait.WaitUntil([&] { return clock.reads > reads; }, 30000);
    });
    EXPECT_EQ(wrong, "");
}

}  // namespace
}  // namespace tess
