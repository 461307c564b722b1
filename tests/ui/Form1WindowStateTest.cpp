#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "Form1Harness.h"
#include "tray/NotifyIconData.h"
#include "tray/TrayNotification.h"

namespace tess::test {
namespace {

using Codes = std::vector<std::intptr_t>;

const std::string kBalloonText =
    "has been minimized to the system tray.\r\nClick on the blue 'Q' icon (Q for Quorvane) to "
    "bring the software back.";

// The balloons sent: NIM_MODIFY records with NIF_INFO and a text.
std::vector<NotifyIconData> Balloons(const RecordingTrayShell& shell) {
    std::vector<NotifyIconData> balloons;
    for (const auto& s : shell.sent) {
        if (s.message == kNimModify && (s.record.uFlags & kNifInfo) && !s.record.szInfo.empty()) {
            balloons.push_back(s.record);
        }
    }
    return balloons;
}

int Sent(const RecordingTrayShell& shell, std::uint32_t message) {
    int count = 0;
    for (const auto& s : shell.sent) count += s.message == message ? 1 : 0;
    return count;
}

class WindowStateTest : public ::testing::Test, protected Form1Harness {
protected:
    void SetUp() override { HiddenToTray = false; }

    // The window as the user left it after the load: shown, the tray's records since then cleared.
    Form1& Shown() {
        Load();
        form->Show();
        trayShell.sent.clear();
        return *form;
    }
    // The user minimises the shown window: the platform raises its resize handling.
    void Minimise() {
        ui.window.state = WindowState::Minimized;
        form->Form_Resize();
    }
    void Deliver(const Codes& codes) {
        for (const std::intptr_t code : codes) trayShell.DeliverTray(code);
    }
    // Automatic logging on at one entry a second, as a user left it.
    Form1& LoggingEverySecond() {
        Store(keys::kOftenIndex, "1");
        Store(keys::kStartStopState, kOn);
        Load();
        form->Show();
        return *form;
    }
};

TEST_F(WindowStateTest, FirstMinimiseHidesBehindTheIconWithTheBalloon) {
    Form1& form = Shown();
    Minimise();

    EXPECT_FALSE(ui.window.visible);
    EXPECT_EQ(ui.window.state, WindowState::Normal);
    EXPECT_TRUE(HiddenToTray);
    EXPECT_TRUE(form.cSysTray1().InTray());
    ASSERT_EQ(trayShell.Messages(), (std::vector<std::uint32_t>{kNimModify, kNimModify}));
    const NotifyIconData& balloon = trayShell.sent[0].record;
    EXPECT_EQ(balloon.uFlags, kNifInfo);
    EXPECT_EQ(balloon.szInfo, kBalloonText);
    EXPECT_EQ(balloon.szInfoTitle, "Tessaline");
    EXPECT_EQ(balloon.uTimeout, 5000u);
    // Nobody reported the balloon gone: after the full wait it is taken down.
    ASSERT_EQ(trayWait.waits.size(), 1u);
    EXPECT_EQ(trayWait.waits[0].timeoutMs, 5000);
    EXPECT_EQ(trayShell.sent[1].record.szInfo, "");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(WindowStateTest, LaterMinimisesHideWithoutABalloon) {
    Shown();
    Minimise();
    Deliver({kWmLButtonDown, kWmLButtonUp});
    EXPECT_TRUE(ui.window.visible);
    Minimise();

    EXPECT_FALSE(ui.window.visible);
    EXPECT_EQ(ui.window.state, WindowState::Normal);
    EXPECT_TRUE(HiddenToTray);
    EXPECT_EQ(Balloons(trayShell).size(), 1u);
    EXPECT_EQ(trayWait.waits.size(), 1u);
}

TEST_F(WindowStateTest, AResizeThatIsNotAMinimiseChangesNothing) {
    Shown();
    form->Form_Resize();
    EXPECT_TRUE(ui.window.visible);
    EXPECT_FALSE(HiddenToTray);
    EXPECT_TRUE(trayShell.sent.empty());
}

// How the window is before: shown, hidden in the tray, or minimised but still
// shown (a desktop without a notification area).
enum class Before { Shown, InTray, Minimised };

struct RestoreCase {
    const char* name;
    Before before;
    Codes codes;  // none: a later start of the program hands over instead
};

class RestoreTest : public WindowStateTest, public ::testing::WithParamInterface<RestoreCase> {};

TEST_P(RestoreTest, ReleasingAButtonOverTheIconBringsTheWindowToTheFront) {
    Shown();
    if (GetParam().before == Before::InTray) Minimise();
    if (GetParam().before == Before::Minimised) ui.window.state = WindowState::Minimized;
    const auto sentBefore = trayShell.sent.size();

    if (GetParam().codes.empty()) {
        form->AnotherStart();
    } else {
        Deliver(GetParam().codes);
    }

    EXPECT_TRUE(ui.window.visible);
    EXPECT_EQ(ui.window.state, WindowState::Normal);
    EXPECT_FALSE(HiddenToTray);
    EXPECT_EQ(ui.window.focused, 1);
    EXPECT_EQ(trayShell.sent.size(), sentBefore);
    EXPECT_TRUE(dialogs.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    WindowState, RestoreTest,
    ::testing::Values(
        RestoreCase{"HiddenLeftClick", Before::InTray, {kWmLButtonDown, kWmLButtonUp}},
        RestoreCase{"HiddenRightClick", Before::InTray, {kWmRButtonDown, kWmRButtonUp}},
        RestoreCase{"ShownLeftClick", Before::Shown, {kWmLButtonDown, kWmLButtonUp}},
        RestoreCase{"ShownRightButtonUp", Before::Shown, {kWmRButtonUp}},
        RestoreCase{"HiddenAnotherStart", Before::InTray, {}},
        RestoreCase{"ShownAnotherStart", Before::Shown, {}},
        RestoreCase{"MinimisedAnotherStart", Before::Minimised, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowStateTest, AButtonPressAloneLeavesTheWindowHidden) {
    Shown();
    Minimise();
    Deliver({kWmLButtonDown, kWmRButtonDown, kWmMouseMove});
    EXPECT_FALSE(ui.window.visible);
    EXPECT_TRUE(HiddenToTray);
}

TEST_F(WindowStateTest, AClickDuringTheBalloonWaitBringsTheWindowBack) {
    Shown();
    trayWait.duringWait = [&] { Deliver({kWmLButtonDown, kWmLButtonUp}); };
    Minimise();

    EXPECT_TRUE(ui.window.visible);
    EXPECT_EQ(ui.window.state, WindowState::Normal);
    EXPECT_FALSE(HiddenToTray);
}

// Without a notification area a hidden window could never be brought back.
TEST_F(WindowStateTest, WithoutATrayTheWindowStaysMinimisedOnTheTaskbar) {
    Shown();
    trayShell.available = false;
    Minimise();

    EXPECT_TRUE(ui.window.visible);
    EXPECT_EQ(ui.window.state, WindowState::Minimized);
    EXPECT_FALSE(HiddenToTray);
    EXPECT_TRUE(trayShell.sent.empty());
    EXPECT_TRUE(trayWait.waits.empty());
}

// The start-up options as stored: the load restores the two boxes and leaves
// the window minimised only for a start with the system into the tray; shown,
// it goes into the tray only when it has one.
struct StartCase {
    const char* name;
    const char* windowsStartup;
    const char* minimized;
    bool trayAvailable;
    int check4;
    int check8;
    bool check8Shown;
    bool loadedMinimised;
    bool shown;
    WindowState state;
    std::size_t balloons;
};

class StartOptionsTest : public WindowStateTest, public ::testing::WithParamInterface<StartCase> {};

TEST_P(StartOptionsTest, RestoreTheBoxesAndGoIntoTheTrayOnlyWhenLeftMinimised) {
    const StartCase& c = GetParam();
    Store(keys::kWindowsStartup, c.windowsStartup);
    Store(keys::kMinimized, c.minimized);
    trayShell.available = c.trayAvailable;
    Load();
    EXPECT_EQ(ui.Check4.value, c.check4);
    EXPECT_EQ(ui.Check8.value, c.check8);
    EXPECT_EQ(ui.Check8.visible, c.check8Shown);
    EXPECT_EQ(ui.window.state == WindowState::Minimized, c.loadedMinimised);
    EXPECT_FALSE(ui.window.visible);
    // Restoring the boxes never touches the registration nor the start-up key.
    EXPECT_EQ(startup.adds, 0);
    EXPECT_EQ(startup.removes, 0);
    for (const auto& [key, value] : store.writes) {
        EXPECT_NE(key, keys::kWindowsStartup);
        // Check8's click handling writes back the value that checked it.
        if (key == keys::kMinimized) {
            EXPECT_EQ(value, "On");
        }
    }

    form->Show();
    EXPECT_EQ(ui.window.visible, c.shown);
    EXPECT_EQ(ui.window.state, c.state);
    EXPECT_EQ(HiddenToTray, !c.shown);
    EXPECT_EQ(Balloons(trayShell).size(), c.balloons);
    EXPECT_TRUE(dialogs.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    WindowState, StartOptionsTest,
    ::testing::Values(
        StartCase{"OffOff", "Off", "Off", true, 0, 0, false, false, true, WindowState::Normal, 0},
        StartCase{"MinimisedAlone", "Off", "On", true, 0, 1, false, false, true,
                  WindowState::Normal, 0},
        StartCase{"StartWithTheSystemOnly", "On", "Off", true, 1, 0, true, false, true,
                  WindowState::Normal, 0},
        StartCase{"StartWithTheSystemMinimised", "On", "On", true, 1, 1, true, true, false,
                  WindowState::Normal, 1},
        StartCase{"MinimisedWithoutATray", "On", "On", false, 1, 1, true, true, true,
                  WindowState::Minimized, 0},
        StartCase{"LowerCaseOnOn", "on", "On", true, 0, 1, false, false, true,
                  WindowState::Normal, 0},
        StartCase{"OnLowerCaseOn", "On", "on", true, 1, 0, true, false, true, WindowState::Normal,
                  0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowStateTest, TheIconBringsBackAWindowThatStartedInTheTray) {
    Store(keys::kWindowsStartup, kOn);
    Store(keys::kMinimized, kOn);
    Load();
    form->Show();
    Deliver({kWmRButtonDown, kWmRButtonUp});

    EXPECT_TRUE(ui.window.visible);
    EXPECT_EQ(ui.window.state, WindowState::Normal);
    EXPECT_FALSE(HiddenToTray);
    // The balloon of the run was the one at start.
    Minimise();
    EXPECT_EQ(Balloons(trayShell).size(), 1u);
}

TEST_F(WindowStateTest, ClosingStopsLoggingRemovesTheIconAndEnds) {
    Form1& form = LoggingEverySecond();
    EXPECT_TRUE(timer1.Running());
    const std::string logBefore = LogText();
    std::vector<std::string> steps;
    trayShell.onNotify = [&](const SentRecord& s) {
        if (s.message == kNimDelete) {
            steps.push_back(timer1.Running() ? "icon removed, logging on"
                                             : "icon removed, logging off");
        }
    };
    duringYield[yields + 1] = [&] { steps.push_back("pending events"); };
    onEndProcess = [&] { steps.push_back("end"); };

    form.Form_QueryUnload();

    EXPECT_EQ(steps,
              (std::vector<std::string>{"icon removed, logging off", "pending events", "end"}));
    EXPECT_FALSE(form.cSysTray1().InTray());
    EXPECT_EQ(processEnds, 1);
    timer1.Elapse();
    EXPECT_EQ(LogText(), logBefore);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(WindowStateTest, EveryCloseRequestRunsTheOneShutdown) {
    Form1& form = Shown();
    const int yieldsBefore = yields;
    // Another request arrives while the first lets pending events run.
    duringYield[yieldsBefore + 1] = [&] { form.Form_QueryUnload(); };
    form.Form_QueryUnload();
    form.Form_QueryUnload();

    EXPECT_EQ(processEnds, 1);
    EXPECT_EQ(Sent(trayShell, kNimDelete), 1);
    EXPECT_EQ(yields - yieldsBefore, 1);
}

// Refused, so that the later start waits for this copy to go and then runs.
TEST_F(WindowStateTest, AStartHandedOverDuringTheShutdownIsRefused) {
    Form1& form = Shown();
    Minimise();
    bool taken = true;
    duringYield[yields + 1] = [&] { taken = form.AnotherStart(); };
    form.Form_QueryUnload();
    EXPECT_FALSE(taken);
    EXPECT_FALSE(ui.window.visible);
}

// The load lets events run: a later start that comes then is taken, and brings
// the window back once the load has put it into the tray.
TEST_F(WindowStateTest, AStartHandedOverDuringTheLoadBringsTheWindowBackAfterIt) {
    Store(keys::kWindowsStartup, kOn);
    Store(keys::kMinimized, kOn);
    Load();
    EXPECT_TRUE(form->AnotherStart());
    EXPECT_FALSE(ui.window.visible);
    form->Show();
    EXPECT_TRUE(ui.window.visible);
    EXPECT_EQ(ui.window.state, WindowState::Normal);
    EXPECT_FALSE(HiddenToTray);
}

// The tick that is due, and the log-now button.
class CloseDuringAnEntryTest : public WindowStateTest,
                               public ::testing::WithParamInterface<bool> {};

TEST_P(CloseDuringAnEntryTest, WritesNoEntry) {
    Form1& form = LoggingEverySecond();
    const std::string logBefore = LogText();
    ASSERT_FALSE(logBefore.empty());
    // The close is handled while the handler lets events run before its entry.
    duringYield[yields + 1] = [&] { form.Form_QueryUnload(); };
    if (GetParam()) {
        form.PushButton6_Click();
    } else {
        timer1.Elapse();
    }

    EXPECT_EQ(processEnds, 1);
    EXPECT_EQ(LogText(), logBefore);
    EXPECT_EQ(power.samples, 1);
}

INSTANTIATE_TEST_SUITE_P(WindowState, CloseDuringAnEntryTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "LogNow" : "TheDueTick"; });

struct FailingStepCase {
    const char* name;
    bool iconRemovalFails;
    int line;
};

class FailingShutdownStepTest : public WindowStateTest,
                                public ::testing::WithParamInterface<FailingStepCase> {};

TEST_P(FailingShutdownStepTest, IsReportedAndTheShutdownGoesOn) {
    Form1& form = Shown();
    const int yieldsBefore = yields;
    bool failed = false;
    if (GetParam().iconRemovalFails) {
        trayShell.onNotify = [&](const SentRecord& s) {
            if (s.message == kNimDelete && !std::exchange(failed, true)) {
                throw std::runtime_error("The shell is gone");
            }
        };
    } else {
        duringYield[yieldsBefore + 1] = [] { throw std::runtime_error("The display is gone"); };
    }

    form.Form_QueryUnload();

    EXPECT_EQ(ReportLines(dialogs), std::vector<int>{GetParam().line});
    EXPECT_NE(dialogs.messages[0].text.find("in Pellwick2021/08/31.Form1.Form_QueryUnload "),
              std::string::npos);
    EXPECT_EQ(yields - yieldsBefore, 1);
    EXPECT_EQ(processEnds, 1);
    trayShell.onNotify = nullptr;  // `failed` goes before the window does
}

INSTANTIATE_TEST_SUITE_P(WindowState, FailingShutdownStepTest,
                         ::testing::Values(FailingStepCase{"TakingTheIconOut", true, 102},
                                           FailingStepCase{"ProcessingPendingEvents", false, 104}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tess::test
