#include "tray/win32/Win32EventWait.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tess {
namespace {

// What a thread timer runs from the message loop of the wait: once, or on
// every tick; the test's timers go at its end.
std::function<void()> g_later;
std::function<void()> g_tick;
std::vector<UINT_PTR> g_timers;

void CALLBACK RunLater(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    const std::function<void()> action = std::move(g_later);
    if (action) action();
}

void CALLBACK RunTick(HWND, UINT, UINT_PTR, DWORD) {
    if (g_tick) g_tick();
}

void Later(std::function<void()> action, UINT milliseconds = 0) {
    g_later = std::move(action);
    g_timers.push_back(SetTimer(nullptr, 0, milliseconds, &RunLater));
}

class Win32EventWaitTest : public ::testing::Test {
protected:
    void TearDown() override {
        for (const UINT_PTR timer : g_timers) KillTimer(nullptr, timer);
        g_timers.clear();
        g_later = nullptr;
        g_tick = nullptr;
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        }
    }

    // The wait's clock, in milliseconds: it stands still unless a test moves
    // it, and counts how often it is read.
    std::uint64_t now = 0;
    int reads = 0;
    Win32EventWait wait{
        {}, [this] {
            ++reads;
            return std::chrono::steady_clock::time_point(std::chrono::milliseconds(now));
        }};
};

// The time is up once the clock has gone the whole time on, and not before;
// in between the wait sleeps: it looks at the clock only when a message came
// (here each move of the clock, by a system timer), where a loop that polls
// would look at it again and again.
TEST_F(Win32EventWaitTest, SleepsUntilTheTimeIsUp) {
    int moves = 0;
    g_tick = [&] {
        ++moves;
        now += 100;
    };
    g_timers.push_back(SetTimer(nullptr, 0, 1, &RunTick));
    wait.WaitUntil([] { return false; }, 1000);
    EXPECT_EQ(now, 1000u);
    EXPECT_EQ(moves, 10);
    EXPECT_LE(reads, 2 * moves + 2);
}

TEST_F(Win32EventWaitTest, EndsOnAWakeWhenItsConditionHolds) {
    bool done = false;
    Later([&] {
        done = true;
        wait.Wake();
        // Should the wake not end it, the time running out does, a while later.
        Later([&] { now = 30000; }, 1000);
    });
    wait.WaitUntil([&] { return done; }, 30000);
    EXPECT_TRUE(done);
    EXPECT_EQ(now, 0u);
}

TEST_F(Win32EventWaitTest, AWakeWhileTheConditionFailsDoesNotEndIt) {
    std::uint64_t woken = 1;
    Later([&] {
        woken = now;
        wait.Wake();
        Later([&] { now = 400; });
    });
    wait.WaitUntil([] { return false; }, 400);
    EXPECT_EQ(woken, 0u);
    EXPECT_EQ(now, 400u);
}

TEST_F(Win32EventWaitTest, ReturnsAtOnceWithoutHandlingEvents) {
    struct Case {
        bool done;
        int timeoutMs;
    };
    for (const Case& c : {Case{true, 30000}, Case{false, 0}, Case{false, -5}}) {
        PostThreadMessageW(GetCurrentThreadId(), WM_APP, 0, 0);
        wait.WaitUntil([&] { return c.done; }, c.timeoutMs);
        MSG message;
        EXPECT_TRUE(PeekMessageW(&message, nullptr, WM_APP, WM_APP, PM_REMOVE))
            << c.done << " " << c.timeoutMs;
    }
}

TEST_F(Win32EventWaitTest, AnInnerWaitEndsBeforeTheOuterOne) {
    std::vector<std::string> order;
    bool outerDone = false;
    bool innerDone = false;
    Later([&] {
        order.push_back("inner starts");
        Later([&] {
            outerDone = true;
            wait.Wake();
            order.push_back("outer woken");
            Later([&] {
                innerDone = true;
                wait.Wake();
            });
        });
        wait.WaitUntil([&] { return innerDone; }, 30000);
        order.push_back("inner ends");
    });
    wait.WaitUntil([&] { return outerDone; }, 30000);
    order.push_back("outer ends");
    EXPECT_EQ(order, (std::vector<std::string>{"inner starts", "outer woken", "inner ends",
                                               "outer ends"}));
}

TEST_F(Win32EventWaitTest, TheProgramsQuitEndsItAndStaysForTheProgramsLoop) {
    Later([] { PostQuitMessage(3); });
    wait.WaitUntil([] { return false; }, 30000);
    EXPECT_EQ(now, 0u);
    MSG message;
    ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 3u);
}

}  // namespace
}  // namespace tess
