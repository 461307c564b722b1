#include "ui/win32/MutexOneCopy.h"

#include <gtest/gtest.h>
#include <windows.h>

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
    }));

    // The later start waits for the answer while the copy that runs handles messages.
    bool laterRuns = true;
    std::thread later([&] { laterRuns = MutexOneCopy(name).Claim([] {}); });
    wait.WaitUntil([&] { return shown == 1; }, 10000);
    later.join();
    EXPECT_EQ(shown, 1);
    EXPECT_FALSE(laterRuns);
}

TEST_F(MutexOneCopyTest, ACopyThatEndedBlocksNothing) {
    { ASSERT_TRUE(MutexOneCopy(name).Claim([] {})); }
    MutexOneCopy next(name);
    EXPECT_TRUE(next.Claim([] {}));
}

}  // namespace
}  // namespace tess
