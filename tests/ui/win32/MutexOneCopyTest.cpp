#include "ui/win32/MutexOneCopy.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <thread>

#include "tray/win32/Win32EventWait.h"

namespace tess {
namespace {

// Copies of the program in one session; each object here stands for one, under
// a name of this test's own.
class MutexOneCopyTest : public ::testing::Test {
protected:
    const std::wstring name = L"tessaline-test-" + std::to_wstring(GetCurrentProcessId());
    Win32EventWait wait;
};

TEST_F(MutexOneCopyTest, ALaterStartHandsOverToTheCopyThatRuns) {
    MutexOneCopy first(name);
    int shown = 0;
    ASSERT_TRUE(first.Claim([&] {
        ++shown;
        wait.Wake();
        return true;
    }));

    // The later start waits for the answer while the copy that runs handles messages.
    bool laterRuns = true;
    std::thread later([&] { laterRuns = MutexOneCopy(name).Claim([] { return true; }); });
    wait.WaitUntil([&] { return shown == 1; }, 10000);
    later.join();
    EXPECT_EQ(shown, 1);
    EXPECT_FALSE(laterRuns);
}

// The copy that runs has left its message loop and is on its way out: its window
// is there but answers nothing, and goes before its mutex does.
TEST_F(MutexOneCopyTest, ALaterStartRunsOnceTheCopyThatWasEndingHasGone) {
    auto ending = std::make_unique<MutexOneCopy>(name);
    ASSERT_TRUE(ending->Claim([] { return true; }));

    // This thread reads its queue now, so that the system does not take it for hung.
    MSG message;
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);
    bool laterRuns = false;
    std::thread later([&] { laterRuns = MutexOneCopy(name).Claim([] { return true; }); });
    // The later start's request comes and waits in this thread's queue, unread.
    const ULONGLONG deadline = GetTickCount64() + 10000;
    while ((HIWORD(GetQueueStatus(QS_SENDMESSAGE)) & QS_SENDMESSAGE) == 0 &&
           GetTickCount64() < deadline) {
        Sleep(10);
    }
    ending.reset();
    // The request is read now, for a window that has gone.
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);
    later.join();
    EXPECT_TRUE(laterRuns);
}

// A copy that is ending refuses the hand-over: the later start runs once it has
// gone, rather than ending with no copy left.
TEST_F(MutexOneCopyTest, ALaterStartRunsOnceTheCopyThatRefusedHasGone) {
    auto ending = std::make_unique<MutexOneCopy>(name);
    int refused = 0;
    ASSERT_TRUE(ending->Claim([&] {
        ++refused;
        wait.Wake();
        return false;
    }));
    bool laterRuns = false;
    std::thread later([&] { laterRuns = MutexOneCopy(name).Claim([] { return true; }); });
    wait.WaitUntil([&] { return refused >= 1; }, 10000);
    ending.reset();
    // A request sent again meanwhile is read now, for a window that has gone.
    MSG message;
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);
    later.join();
    EXPECT_GE(refused, 1);
    EXPECT_TRUE(laterRuns);
}

TEST_F(MutexOneCopyTest, ACopyThatEndedBlocksNothing) {
    { ASSERT_TRUE(MutexOneCopy(name).Claim([] { return true; })); }
    MutexOneCopy next(name);
    EXPECT_TRUE(next.Claim([] { return true; }));
}

}  // namespace
}  // namespace tess
