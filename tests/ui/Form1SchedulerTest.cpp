#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "Form1Harness.h"
#include "ui/PointerSetting.h"

namespace tess::test {
namespace {

using Writes = std::vector<std::pair<std::string, std::string>>;
const std::string kAcLine = "12/7/2026 6:01:43 AM Running on AC Power\r\n";

// The window loaded with the interval at `index` and automatic logging as stored.
class SchedulerTest : public ::testing::Test, protected Form1Harness {
protected:
    Form1& LoadWith(int index, const std::string& state) {
        Store(keys::kOftenIndex, std::to_string(index));
        Store(keys::kStartStopState, state);
        Form1& loaded = Load();
        store.writes.clear();
        return loaded;
    }
    std::string Countdown() const { return ui.Frame1.caption; }
    // The user chooses the item at `index` of the interval list.
    void Choose(int index) {
        ui.ListView2.selected = index;
        form->ListView2_Click();
    }
};

TEST_F(SchedulerTest, EverySecondEveryTickWritesAnEntry) {
    LoadWith(1, "On");
    EXPECT_EQ(Entries().size(), 1u);  // written at start-up
    for (std::size_t tick = 1; tick <= 3; ++tick) {
        timer1.Elapse();
        EXPECT_EQ(Entries().size(), 1 + tick);
        EXPECT_EQ(Countdown(), "Next log will occur in 00:00:00");
        EXPECT_EQ(ui.ProgressBar1.value, 0);
        EXPECT_EQ(form->ElapsedSeconds(), 0);
        EXPECT_TRUE(timer1.Running());
        EXPECT_EQ(timer1.interval, 1000);
    }
    // Each writing tick yields three times.
    EXPECT_EQ(yields, 9);
    EXPECT_EQ(LogText(), kAcLine + kAcLine + kAcLine + kAcLine);
}

TEST_F(SchedulerTest, EveryFiveSecondsCountsDown) {
    LoadWith(2, "On");
    const char* left[] = {"00:00:04", "00:00:03", "00:00:02", "00:00:01", "00:00:00"};
    for (int tick = 1; tick <= 5; ++tick) {
        timer1.Elapse();
        EXPECT_EQ(Countdown(), std::string("Next log will occur in ") + left[tick - 1]);
        EXPECT_EQ(ui.ProgressBar1.maximum, 5);
        EXPECT_EQ(ui.ProgressBar1.value, tick < 5 ? tick : 0);
        EXPECT_EQ(Entries().size(), tick < 5 ? 1u : 2u);
    }
    EXPECT_EQ(form->ElapsedSeconds(), 0);
    EXPECT_EQ(form->CurrentInterval(), 5);
    EXPECT_EQ(yields, 4 + 3);
}

TEST_F(SchedulerTest, EveryTwentyFourHoursStartsAtAlmostADay) {
    LoadWith(12, "On");
    timer1.Elapse();
    EXPECT_EQ(Countdown(), "Next log will occur in 23:59:59");
    EXPECT_EQ(ui.ProgressBar1.maximum, 86400);
    EXPECT_EQ(ui.ProgressBar1.value, 1);
    EXPECT_EQ(Entries().size(), 1u);
}

TEST_F(SchedulerTest, TheEntryIsWrittenWithTheTimerStopped) {
    LoadWith(1, "On");
    bool stoppedWhileWriting = false;
    power.onSample = [&] { stoppedWhileWriting = !timer1.enabled && timer1.interval == 0; };
    timer1.Elapse();
    EXPECT_TRUE(stoppedWhileWriting);
    EXPECT_TRUE(timer1.Running());
    EXPECT_EQ(Entries().size(), 2u);
}

TEST_F(SchedulerTest, SwitchingOnWritesAtOnceAndKeepsTheCount) {
    LoadWith(2, "On");
    timer1.Elapse();
    timer1.Elapse();
    form->PushButton5_Click();  // off
    EXPECT_EQ(ui.PushButton5.caption, "Turn On Automatic Log");
    EXPECT_EQ(timer1.interval, 0);
    EXPECT_FALSE(timer1.Running());
    EXPECT_EQ(Stored(keys::kStartStopState), "Off");
    // The frame and the bar keep what they showed.
    EXPECT_EQ(Countdown(), "Next log will occur in 00:00:03");
    EXPECT_EQ(ui.ProgressBar1.value, 2);
    timer1.Elapse();  // no tick arrives
    EXPECT_EQ(form->ElapsedSeconds(), 2);

    form->PushButton5_Click();  // on
    EXPECT_EQ(ui.PushButton5.caption, "Turn Off Automatic Log");
    EXPECT_EQ(Stored(keys::kStartStopState), "On");
    EXPECT_EQ(Entries().size(), 2u);
    EXPECT_EQ(form->ElapsedSeconds(), 2);
    timer1.Elapse();
    EXPECT_EQ(Countdown(), "Next log will occur in 00:00:02");
}

TEST_F(SchedulerTest, TheSwitchWithItsDesignCaptionDoesNothing) {
    Store(keys::kStartStopState, "on");
    Load();
    form->PushButton5_Click();
    EXPECT_EQ(ui.PushButton5.caption, "Turn On Automatic Logging");
    EXPECT_TRUE(Entries().empty());
    EXPECT_FALSE(timer1.Running());
}

TEST_F(SchedulerTest, ATickWhileOffSaysSo) {
    LoadWith(2, "Off");
    form->Timer1_Timer();
    EXPECT_EQ(Countdown(), "Automatic Log is Off.");
    EXPECT_EQ(form->ElapsedSeconds(), 0);
}

TEST_F(SchedulerTest, AnIntervalOfZeroKeepsTheBarOutOfItsBusyState) {
    LoadWith(2, "On");
    ui.ListView2.items[1] = "Log every so often";
    timer1.Elapse();
    EXPECT_EQ(form->CurrentInterval(), 0);
    EXPECT_EQ(ui.ProgressBar1.maximum, 1);
}

TEST_F(SchedulerTest, LogNowDuringTheCountdownChangesNothingElse) {
    LoadWith(2, "On");
    timer1.Elapse();
    timer1.Elapse();
    int pointerWhileWriting = -1;
    bool stoppedWhileWriting = false;
    power.onSample = [&] {
        pointerWhileWriting = ui.window.pointer;
        stoppedWhileWriting = !timer1.enabled && timer1.interval == 0;
    };
    const int yieldsBefore = yields;
    form->PushButton6_Click();
    EXPECT_EQ(Entries().size(), 2u);
    EXPECT_EQ(pointerWhileWriting, PointerSetting::kBusy);
    EXPECT_TRUE(stoppedWhileWriting);
    EXPECT_EQ(ui.window.pointer, PointerSetting::kDefault);
    EXPECT_EQ(yields, yieldsBefore + 1);
    EXPECT_EQ(form->ElapsedSeconds(), 2);
    EXPECT_EQ(ui.ProgressBar1.value, 2);
    EXPECT_EQ(timer1.interval, 1000);
    EXPECT_TRUE(timer1.enabled);
    EXPECT_TRUE(store.writes.empty());
    timer1.Elapse();
    EXPECT_EQ(form->ElapsedSeconds(), 3);
}

TEST_F(SchedulerTest, LogNowWhileOffLeavesTheTimerOff) {
    LoadWith(2, "Off");
    form->PushButton6_Click();
    EXPECT_EQ(Entries().size(), 1u);
    EXPECT_EQ(timer1.interval, 0);
    EXPECT_TRUE(timer1.enabled);
    EXPECT_EQ(ui.PushButton5.caption, "Turn On Automatic Log");
}

struct SwitchDuringLogNowCase {
    const char* name;
    const char* state;
    bool running;
};

class SwitchDuringLogNowTest : public SchedulerTest,
                               public ::testing::WithParamInterface<SwitchDuringLogNowCase> {};

TEST_P(SwitchDuringLogNowTest, TheSwitchDecidesThePeriod) {
    LoadWith(2, GetParam().state);
    yields = 0;
    duringYield[1] = [&] { form->PushButton5_Click(); };
    form->PushButton6_Click();
    EXPECT_EQ(ui.PushButton5.caption == kTurnOffCaption, GetParam().running);
    EXPECT_EQ(timer1.Running(), GetParam().running);
    EXPECT_TRUE(timer1.enabled);
}

INSTANTIATE_TEST_SUITE_P(Scheduler, SwitchDuringLogNowTest,
                         ::testing::Values(SwitchDuringLogNowCase{"SwitchedOff", "On", false},
                                           SwitchDuringLogNowCase{"SwitchedOn", "Off", true}),
                         [](const auto& info) { return std::string(info.param.name); });

// Any choice restarts the countdown and is stored, also of the item already
// selected; a shorter interval than the count so far is reached again.
struct ChoiceCase {
    const char* name;
    int stored;
    int ticksBefore;
    int chosen;
    const char* nextCountdown;
    std::size_t entriesAfterNextTick;
};

class IntervalChoiceTest : public SchedulerTest,
                           public ::testing::WithParamInterface<ChoiceCase> {};

TEST_P(IntervalChoiceTest, RestartsTheCountdown) {
    const ChoiceCase& c = GetParam();
    LoadWith(c.stored, "On");
    for (int i = 0; i < c.ticksBefore; ++i) timer1.Elapse();
    Choose(c.chosen);
    EXPECT_EQ(form->ElapsedSeconds(), 0);
    EXPECT_EQ(store.writes, (Writes{{"OftenIndex", std::to_string(c.chosen)}}));
    timer1.Elapse();
    EXPECT_EQ(Countdown(), std::string("Next log will occur in ") + c.nextCountdown);
    EXPECT_EQ(Entries().size(), c.entriesAfterNextTick);
}

INSTANTIATE_TEST_SUITE_P(
    Scheduler, IntervalChoiceTest,
    ::testing::Values(ChoiceCase{"TheSelectedOneAgain", 2, 3, 2, "00:00:04", 1},
                      ChoiceCase{"ALongerOne", 2, 1, 3, "00:00:09", 1},
                      ChoiceCase{"AShorterOneThanTheCount", 3, 7, 1, "00:00:00", 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SchedulerTest, AChoiceWithNothingSelectedChangesNothing) {
    LoadWith(2, "On");
    timer1.Elapse();
    Choose(0);
    EXPECT_EQ(form->ElapsedSeconds(), 1);
    EXPECT_TRUE(store.writes.empty());
}

struct SwitchOffDuringTickCase {
    const char* name;
    int yield;
    std::size_t entries;
};

class SwitchOffDuringTickTest : public SchedulerTest,
                                public ::testing::WithParamInterface<SwitchOffDuringTickCase> {};

TEST_P(SwitchOffDuringTickTest, IsHonoured) {
    const SwitchOffDuringTickCase& c = GetParam();
    LoadWith(1, "On");
    yields = 0;
    duringYield[c.yield] = [&] { form->PushButton5_Click(); };
    timer1.Elapse();
    EXPECT_EQ(Entries().size(), c.entries);
    EXPECT_EQ(ui.PushButton5.caption, "Turn On Automatic Log");
    EXPECT_EQ(timer1.interval, 0);
    EXPECT_FALSE(timer1.Running());
    EXPECT_EQ(form->ElapsedSeconds(), 0);
    EXPECT_EQ(Stored(keys::kStartStopState), "Off");

    // Switching on again writes at once and the ticks come back.
    form->PushButton5_Click();
    EXPECT_EQ(Entries().size(), c.entries + 1);
    EXPECT_TRUE(timer1.Running());
    timer1.Elapse();
    EXPECT_EQ(Entries().size(), c.entries + 2);
}

INSTANTIATE_TEST_SUITE_P(Scheduler, SwitchOffDuringTickTest,
                         ::testing::Values(SwitchOffDuringTickCase{"BeforeTheCountIsCompared", 1,
                                                                   1},
                                           SwitchOffDuringTickCase{"BeforeTheEntry", 2, 1},
                                           SwitchOffDuringTickCase{"AfterTheEntry", 3, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SchedulerTest, SwitchOffAndOnDuringTheTickKeepsLogging) {
    LoadWith(1, "On");
    yields = 0;
    duringYield[2] = [&] {
        form->PushButton5_Click();
        form->PushButton5_Click();
    };
    timer1.Elapse();
    // The switch-on wrote one, the tick its own.
    EXPECT_EQ(Entries().size(), 3u);
    EXPECT_TRUE(timer1.Running());
}

// A log that cannot be written while logging every second: the failure is
// reported once, not at every tick, and again when it changes, after an entry
// that succeeded, and when logging is switched off and on; the user's entries
// are always reported. Logging goes on, and no refused entry reaches the list.
TEST_F(SchedulerTest, AFailureRepeatedByTheTicksIsReportedOnce) {
    LoadWith(1, "On");
    const std::string good = form->LogPath();
    const std::string gone = temp.File("gone/log.txt");
    const std::string folder = temp.File("folder");
    std::filesystem::create_directories(folder);
    const auto ticks = [this](const std::string& path, int n) {
        TypePath(path);
        while (n-- > 0) timer1.Elapse();
    };
    const auto offAndOn = [this] {
        form->PushButton5_Click();
        form->PushButton5_Click();
    };
    const struct {
        const char* what;
        std::function<void()> act;
        std::size_t reports;
    } steps[] = {
        {"the first failure", [&] { ticks(gone, 1); }, 1},
        {"the same, tick after tick", [&] { ticks(gone, 3); }, 1},
        {"the user's entry", [&] { form->PushButton6_Click(); }, 2},
        {"a tick after it", [&] { ticks(gone, 1); }, 2},
        {"another failure", [&] { ticks(folder, 1); }, 3},
        {"the first again", [&] { ticks(gone, 2); }, 4},
        {"off and on", offAndOn, 5},
        {"an entry that succeeds", [&] { ticks(good, 1); }, 5},
        {"the first failure after it", [&] { ticks(gone, 2); }, 6},
    };
    for (const auto& step : steps) {
        step.act();
        EXPECT_EQ(dialogs.messages.size(), step.reports) << step.what;
    }
    EXPECT_EQ(ReportLines(dialogs), std::vector<int>(6, 106));
    EXPECT_EQ(Entries().size(), 2u);  // the load's and the one that succeeded
    EXPECT_EQ(ReadAll(good), kAcLine + kAcLine);
    EXPECT_TRUE(timer1.Running());
}

}  // namespace
}  // namespace tess::test
