#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "TrayFixture.h"
#include "tray/mSysTray.h"

namespace tess::test {
namespace {

using Events = std::vector<TrayEvent>;

struct MessageCase {
    std::intptr_t code;
    Events expected;  // raised with Id 7, the identifier the notification came with
};

std::string CaseName(const ::testing::TestParamInfo<MessageCase>& info) {
    char name[16];
    std::snprintf(name, sizeof name, "Code0x%03X", static_cast<unsigned>(info.param.code));
    return name;
}

class NotificationTableTest : public TrayParamFixture<MessageCase> {};

TEST_P(NotificationTableTest, RaisesTheEventOfTheRow) {
    tray.SetInTray(true);

    shell.DeliverTray(GetParam().code, 7);

    EXPECT_EQ(host.events, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Tray, NotificationTableTest,
                         ::testing::Values(MessageCase{0x200, {{"MouseMove", 0, 7}}},
                                           MessageCase{0x201, {{"MouseDown", 1, 7}}},
                                           MessageCase{0x202, {{"MouseUp", 1, 7}}},
                                           MessageCase{0x203, {{"MouseDblClick", 1, 7}}},
                                           MessageCase{0x204, {{"MouseDown", 2, 7}}},
                                           MessageCase{0x205, {{"MouseUp", 2, 7}}},
                                           MessageCase{0x206, {{"MouseDblClick", 2, 7}}},
                                           MessageCase{0x207, {}}, MessageCase{0x208, {}},
                                           MessageCase{0x209, {}}, MessageCase{0x20A, {}},
                                           MessageCase{0x000, {}}, MessageCase{0x400, {}},
                                           MessageCase{0x401, {}}, MessageCase{0x402, {}},
                                           MessageCase{0x403, {}}, MessageCase{0x404, {}},
                                           MessageCase{0x405, {}}, MessageCase{0x406, {}}),
                         CaseName);

TEST_F(TrayFixture, ClicksOfTheShellArriveAsDownThenUp) {
    tray.SetInTray(true);

    for (const std::intptr_t code : {0x201, 0x202, 0x204, 0x205, 0x203}) shell.DeliverTray(code);

    EXPECT_EQ(host.events, (Events{{"MouseDown", 1, 0},
                                   {"MouseUp", 1, 0},
                                   {"MouseDown", 2, 0},
                                   {"MouseUp", 2, 0},
                                   {"MouseDblClick", 1, 0}}));
}

TEST_F(TrayFixture, OtherMessagesPassThroughTheHookUntouched) {
    tray.SetInTray(true);

    EXPECT_EQ(shell.Deliver(0x0202, 0x202, 0x201), RecordingTrayShell::kOwnResult);
    EXPECT_EQ(shell.Deliver(1124, 0, 0x202), RecordingTrayShell::kOwnResult);

    EXPECT_TRUE(host.events.empty());
    EXPECT_EQ(shell.reachedOwnProc, (std::vector<WindowMessage>{{0x5150, 0x0202, 0x202, 0x201},
                                                                {0x5150, 1124, 0, 0x202}}));
}

TEST_F(TrayFixture, TheTrayMessageIsPassedOnAfterTheEvent) {
    tray.SetInTray(true);
    host.onEvent = [this](const TrayEvent&) {
        EXPECT_TRUE(shell.reachedOwnProc.empty()) << "the event comes first";
    };

    EXPECT_EQ(shell.DeliverTray(0x202, 3), RecordingTrayShell::kOwnResult);

    EXPECT_EQ(host.events.size(), 1u);
    EXPECT_EQ(shell.reachedOwnProc, (std::vector<WindowMessage>{{0x5150, 1125, 3, 0x202}}));
}

TEST_F(TrayFixture, NothingReachesTheControlOutOfTheTray) {
    shell.DeliverTray(0x202);
    tray.SetInTray(true);
    tray.SetInTray(false);
    shell.DeliverTray(0x202);

    EXPECT_TRUE(host.events.empty());
    EXPECT_EQ(shell.reachedOwnProc.size(), 2u);
}

TEST_F(TrayFixture, AHandlerMayTakeTheIconOutOfTheTray) {
    tray.SetInTray(true);
    host.onEvent = [this](const TrayEvent&) { tray.SetInTray(false); };

    EXPECT_EQ(shell.DeliverTray(0x202), RecordingTrayShell::kOwnResult);

    EXPECT_FALSE(tray.InTray());
    EXPECT_EQ(shell.reachedOwnProc.size(), 1u);
    shell.DeliverTray(0x202);
    EXPECT_EQ(host.events.size(), 1u);
}

TEST(TrayHook, EachWindowReachesItsOwnControl) {
    RecordingTrayShell shellA(0xA), shellB(0xB);
    FakeEventWait wait;
    RecordingTrayHost hostA, hostB;
    cSysTray a({shellA, wait, hostA});
    cSysTray b({shellB, wait, hostB});
    a.SetInTray(true);
    b.SetInTray(true);

    shellA.DeliverTray(0x202);
    shellB.DeliverTray(0x205);
    a.SetInTray(false);
    shellB.DeliverTray(0x200);

    EXPECT_EQ(hostA.events, (Events{{"MouseUp", 1, 0}}));
    EXPECT_EQ(hostB.events, (Events{{"MouseUp", 2, 0}, {"MouseMove", 0, 0}}));
}

// After the desktop's shell has started again, its notification area holds no
// icon: the control puts its own back as it stands, or its window would stay
// hidden for good.
class TaskbarCreatedTest : public TrayFixture {
protected:
    static constexpr std::uint32_t kTaskbarCreated = 0xC0DE;

    TaskbarCreatedTest() { shell.taskbarCreated = kTaskbarCreated; }
};

TEST_F(TaskbarCreatedTest, AnIconInTheTrayIsAddedAgainAsItStands) {
    tray.SetTrayIcon(MakeIcon("tray-q"));
    tray.SetInTray(true);
    tray.SetTrayTip("Tessaline");
    shell.sent.clear();

    EXPECT_EQ(shell.Deliver(kTaskbarCreated, 0, 0), RecordingTrayShell::kOwnResult);

    const IconHandle icon = "tray-q";
    ASSERT_EQ(shell.Messages(), (std::vector<std::uint32_t>{kNimAdd}));
    EXPECT_EQ(shell.sent[0].record, AddRecord(kWindow, 0, "Tessaline", &icon));
    EXPECT_EQ(shell.reachedOwnProc.size(), 1u);
    EXPECT_TRUE(host.events.empty());
}

TEST_F(TaskbarCreatedTest, AnIconOutOfTheTrayStaysOut) {
    tray.SetInTray(true);
    tray.SetInTray(false);
    shell.sent.clear();

    shell.Deliver(kTaskbarCreated, 0, 0);

    EXPECT_TRUE(shell.sent.empty());
}

TEST_F(TrayFixture, AShellWithoutTheMessageReAddsNothing) {
    tray.SetInTray(true);
    shell.sent.clear();

    shell.Deliver(0, 0, 0);

    EXPECT_TRUE(shell.sent.empty());
}

TEST(TrayHook, AWindowThatIsNotHookedIsLeftAlone) {
    EXPECT_EQ(mSysTray::TrayHookProc(0xDEAD, 1125, 0, 0x202), 0);
}

}  // namespace
}  // namespace tess::test
