#include "common/ErrorTrap.h"

#include <gtest/gtest.h>

#include <vector>

#include "RecordingDialogs.h"
#include "common/Error.h"

namespace tess {
namespace {

TEST(ErrorTrapTest, ReportsAFailedStepAndGoesOnWithTheNext) {
    test::RecordingDialogs dialogs;
    ErrorTrap trap(dialogs, "Form1", "Form_Load");
    std::vector<int> ran;
    EXPECT_TRUE(trap.Step(100, [&] { ran.push_back(100); }));
    EXPECT_FALSE(trap.Step(102, [&] { throw Error("Access is denied."); }));
    EXPECT_TRUE(trap.Step(104, [&] { ran.push_back(104); }));
    EXPECT_EQ(ran, (std::vector<int>{100, 104}));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, "Application Error");
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(dialogs.messages[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(dialogs.messages[0].text,
              "Access is denied.\r\nin Pellwick2021/08/31.Form1.Form_Load at line 102\r\r"
              "Please email screenshot of this message to support@quorvane.example");
}

TEST(ErrorTrapTest, AnyExceptionIsTrapped) {
    test::RecordingDialogs dialogs;
    ErrorTrap trap(dialogs, "IntervalSave", "LogBatteryNow");
    trap.Step(108, [] { throw 42; });
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text.rfind("Unknown error\r\n", 0), 0u);
    EXPECT_EQ(trap.failures(), 1);
}

}  // namespace
}  // namespace tess
