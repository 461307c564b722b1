#include "tray/win32/Win32EventWait.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace tess {
namespace {

// What a thread timer runs, once, from the message loop of the wait.
std::function<void()> g_later;

void CALLBACK RunLater(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    const std::function<void()> action = std::move(g_later);
    if (action) action();
}

void Later(int milliseconds, std::function<void()> action) {
    g_later = std::move(action);
    SetTimer(nullptr, 0, static_cast<UINT>(milliseconds), &RunLater);
}

// The processor time this thread has used, in milliseconds.
ULONGLONG ThreadMilliseconds() {
    FILETIME created, ended, kernel, user;
    GetThreadTimes(GetCurrentThread(), &created, &ended, &kernel, &user);
    const auto ticks = [](const FILETIME& time) {
        return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    };
    return (ticks(kernel) + ticks(user)) / 10000;
}

class Win32EventWaitTest : public ::testing::Test {
protected:
    void TearDown() override {
        g_later = nullptr;
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        }
    }

    Win32EventWait wait;
};

TEST_F(Win32EventWaitTest, SleepsUntilTheTimeIsUpWithoutSpinning) {
    const ULONGLONG start = GetTickCount64();
    const ULONGLONG processor = ThreadMilliseconds();
    wait.WaitUntil([] { return false; }, 1000);
    EXPECT_GE(GetTickCount64() - start, 1000u);
    // A loop that polls the queue would use a good part of that second.
    EXPECT_LT(ThreadMilliseconds() - processor, 50u);
}

TEST_F(Win32EventWaitTest, EndsOnAWakeWhenItsConditionHolds) {
    bool done = false;
    Later(50, [&] {
        done = true;
        wait.Wake();
    });
    const ULONGLONG start = GetTickCount64();
    wait.WaitUntil([&] { return done; }, 30000);
    EXPECT_TRUE(done);
    EXPECT_LT(GetTickCount64() - start, 30000u);
}

TEST_F(Win32EventWaitTest, AWakeWhileTheConditionFailsDoesNotEndIt) {
    bool woken = false;
    Later(50, [&] {
        woken = true;
        wait.Wake();
    });
    const ULONGLONG start = GetTickCount64();
    wait.WaitUntil([] { return false; }, 400);
    EXPECT_TRUE(woken);
    EXPECT_GE(GetTickCount64() - start, 400u);
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
    Later(20, [&] {
        order.push_back("inner starts");
        Later(20, [&] {
            outerDone = true;
            wait.Wake();
            order.push_back("outer woken");
            Later(20, [&] {
                innerDone = true;
                wait.Wake();
            });
        });
        wait.WaitUntil([&] { return innerDone; }, 30000);
        order.push_back("inner ends");
    });
    wait.WaitUntil([&] { return outerDone; }, 30000);
    order.push_back("outer ends");
    EXPECT_EQ(order,
              (std::vector<std::string>{"inner starts", "outer woken", "inner ends", "outer ends"}));
}

TEST_F(Win32EventWaitTest, TheProgramsQuitEndsItAndStaysForTheProgramsLoop) {
    Later(20, [] { PostQuitMessage(3); });
    const ULONGLONG start = GetTickCount64();
    wait.WaitUntil([] { return false; }, 30000);
    EXPECT_LT(GetTickCount64() - start, 30000u);
    MSG message;
    ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 3u);
}

}  // namespace
}  // namespace tess
