#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "Form1Harness.h"
#include "Vendor.h"
#include "common/AppTitle.h"
#include "tray/NotifyIconData.h"
#include "ui/Main.h"
#include "ui/Form1Design.h"

namespace tess::test {
namespace {

using Lines = std::vector<int>;
using Writes = std::vector<std::pair<std::string, std::string>>;

TEST(Form1LoadTest, EmptyStoreGivesTheFirstStartWindow) {
    Form1Harness h;
    Form1& form = h.Load();
    const FakeForm1Controls& ui = h.ui;

    EXPECT_TRUE(h.dialogs.messages.empty());
    EXPECT_EQ(ui.window.caption, "Tessaline");
    EXPECT_EQ(AppTitle(), "Tessaline");
    EXPECT_FALSE(form.IsLoading());
    ASSERT_EQ(ui.ListView2.items.size(), 12u);
    EXPECT_EQ(ui.ListView2.items.front(), "Log every 1 second");
    EXPECT_EQ(ui.ListView2.items.back(), "Log every 24 hours");
    EXPECT_EQ(ui.ListView2.header, "How often would you like to log battery level?");
    EXPECT_EQ(ui.ListView2.width, 7000);
    EXPECT_EQ(ui.ListView2.selected, 2);
    EXPECT_EQ(ui.ListView1.header, "Battery Level");
    EXPECT_EQ(ui.ListView1.width, 7000);
    EXPECT_TRUE(ui.ListView1.lines.empty());
    EXPECT_EQ(ui.Text1.text, h.defaultLog);
    EXPECT_EQ(DefaultLogPath, h.defaultLog);
    EXPECT_EQ(ui.PushButton5.caption, "Turn On Automatic Log");
    EXPECT_EQ(h.timer1.interval, 0);
    EXPECT_FALSE(h.timer1.Running());
    EXPECT_EQ(ui.Frame1.caption, "Next log will occur in");
    EXPECT_EQ(ui.Check4.value, 0);
    EXPECT_FALSE(ui.Check8.visible);
    EXPECT_EQ(ui.window.state, WindowState::Normal);
    EXPECT_FALSE(ui.window.visible);
    EXPECT_EQ(form.ElapsedSeconds(), 0);
    EXPECT_TRUE(h.launcher.urls.empty());
    EXPECT_TRUE(ui.window.styled.empty());

    // The store afterwards holds the path alone.
    EXPECT_EQ(h.store.writes, (Writes{{"Text1", h.defaultLog}}));
    EXPECT_EQ(h.store.values.size(), 1u);

    // The tray icon is there with its tip.
    EXPECT_EQ(form.cSysTray1().TrayTip(), "Tessaline");
    EXPECT_TRUE(form.cSysTray1().InTray());
    ASSERT_EQ(h.trayShell.Messages(), std::vector<std::uint32_t>{kNimAdd});
    EXPECT_EQ(h.trayShell.sent[0].record.hIcon, "tray-q");
    EXPECT_EQ(h.trayShell.sent[0].record.szTip, "Tessaline");
}

TEST(Form1LoadTest, WindowIconComesFromTheSupportWindowWhichLoadsHidden) {
    Form1Harness h;
    h.Load();
    EXPECT_EQ(h.ui.window.icon, "tessaline");
    EXPECT_EQ(h.ghostUi.window.caption, "Tessaline");
    EXPECT_FALSE(h.ghostUi.window.visible);
}

struct StartStopCase {
    const char* name;
    const char* stored;
    const char* caption;
    int interval;
    std::size_t entries;
};

class StartStopStateTest : public ::testing::TestWithParam<StartStopCase> {};

TEST_P(StartStopStateTest, SetsTheSwitchAndTheTimer) {
    const StartStopCase& c = GetParam();
    Form1Harness h;
    h.Store(keys::kStartStopState, c.stored);
    h.Load();
    EXPECT_EQ(h.ui.PushButton5.caption, c.caption);
    EXPECT_EQ(h.timer1.interval, c.interval);
    EXPECT_TRUE(h.timer1.enabled);
    EXPECT_EQ(h.Entries().size(), c.entries);
    EXPECT_EQ(h.LogText(), c.entries == 1 ? "12/7/2026 6:01:43 AM Running on AC Power\r\n" : "");
    EXPECT_TRUE(h.dialogs.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Form1Load, StartStopStateTest,
    ::testing::Values(StartStopCase{"Off", "Off", "Turn On Automatic Log", 0, 0},
                      StartStopCase{"On", "On", "Turn Off Automatic Log", 1000, 1},
                      StartStopCase{"LowerCaseOn", "on", "Turn On Automatic Logging", 0, 0},
                      StartStopCase{"Empty", "", "Turn On Automatic Logging", 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

struct OftenIndexCase {
    const char* name;
    const char* stored;
    Lines lines;
    int selected;
};

class OftenIndexTest : public ::testing::TestWithParam<OftenIndexCase> {};

TEST_P(OftenIndexTest, BadValuesAreReportedAndTheLoadGoesOn) {
    const OftenIndexCase& c = GetParam();
    Form1Harness h;
    h.Store(keys::kOftenIndex, c.stored);
    h.Load();
    EXPECT_EQ(ReportLines(h.dialogs), c.lines);
    for (const auto& m : h.dialogs.messages) {
        EXPECT_NE(m.text.find("in Pellwick2021/08/31.Form1.Form_Load at line"), std::string::npos);
        EXPECT_EQ(m.icon, MessageIcon::Exclamation);
    }
    EXPECT_EQ(h.ui.ListView2.selected, c.selected);
    // The load went on: the path and the switch are set, the bad value stays stored.
    EXPECT_EQ(h.ui.PushButton5.caption, "Turn On Automatic Log");
    EXPECT_FALSE(h.ui.Text1.text.empty());
    EXPECT_EQ(h.Stored(keys::kOftenIndex), std::optional<std::string>(c.stored));
}

// A value that names no item is reported, and the list shows the default interval.
INSTANTIATE_TEST_SUITE_P(Form1Load, OftenIndexTest,
                         ::testing::Values(OftenIndexCase{"NotANumber", "abc", {162, 164}, 2},
                                           OftenIndexCase{"Beyond16Bits", "70000", {162, 164}, 2},
                                           OftenIndexCase{"Empty", "", {162, 164}, 2},
                                           OftenIndexCase{"Zero", "0", {164}, 2},
                                           OftenIndexCase{"Thirteen", "13", {164}, 2},
                                           OftenIndexCase{"MinusOne", "-1", {164}, 2},
                                           OftenIndexCase{"Twelve", "12", {}, 12},
                                           OftenIndexCase{"Spaces", " 5 ", {}, 5},
                                           OftenIndexCase{"HalfRoundsToEven", "2.5", {}, 2},
                                           OftenIndexCase{"FractionRounds", "3.6", {}, 4}),
                         [](const auto& info) { return std::string(info.param.name); });

// Logging on with a stored index that names no item: the default interval's
// countdown runs and writes its entry, and the stored value is not replaced.
TEST(Form1LoadTest, IndexNamingNoItemLogsAtTheDefaultInterval) {
    Form1Harness h;
    h.Store(keys::kOftenIndex, "13");
    h.Store(keys::kStartStopState, "On");
    Form1& form = h.Load();
    for (int tick = 0; tick < 5; ++tick) h.timer1.Elapse();
    EXPECT_EQ(form.CurrentInterval(), 5);
    EXPECT_EQ(h.Entries().size(), 2u);
    EXPECT_EQ(h.Stored(keys::kOftenIndex), "13");
}

struct FailingReadCase {
    const char* name;
    std::vector<std::pair<const char*, const char*>> failures;  // key, reason
    Lines lines;
};

class FailingReadTest : public ::testing::TestWithParam<FailingReadCase> {};

// Each failing read is reported at its step's line and gives the default; a
// store that fails every read alike is reported once.
TEST_P(FailingReadTest, IsReportedAndTheLoadGoesOnWithTheDefault) {
    Form1Harness h;
    h.Store(keys::kOftenIndex, "5");
    h.Store(keys::kStartStopState, "On");
    h.Store(keys::kWindowsStartup, "On");
    h.Store(keys::kMinimized, "On");
    for (const auto& [key, reason] : GetParam().failures) h.store.readFailures[key] = reason;
    h.Load();
    EXPECT_EQ(ReportLines(h.dialogs), GetParam().lines);
    for (const auto& m : h.dialogs.messages) {
        EXPECT_EQ(m.text.rfind("Cannot read ", 0), 0u) << m.text;
        EXPECT_NE(m.text.find(".Form1.Form_Load at line"), std::string::npos) << m.text;
    }
    const auto failed = [&](const char* key) { return h.store.readFailures.contains(key); };
    EXPECT_EQ(h.ui.ListView2.selected, failed(keys::kOftenIndex) ? 2 : 5);
    EXPECT_EQ(h.ui.Text1.text, h.defaultLog);
    EXPECT_EQ(h.ui.PushButton5.caption,
              failed(keys::kStartStopState) ? "Turn On Automatic Log" : "Turn Off Automatic Log");
    EXPECT_EQ(h.ui.Check4.value, failed(keys::kWindowsStartup) ? 0 : 1);
    EXPECT_EQ(h.ui.Check8.value, failed(keys::kMinimized) ? 0 : 1);
}

const std::vector<std::pair<const char*, const char*>> kWholeStoreFails = {
    {keys::kOftenIndex, "Cannot read the file: Permission denied"},
    {keys::kText1, "Cannot read the file: Permission denied"},
    {keys::kStartStopState, "Cannot read the file: Permission denied"},
    {keys::kWindowsStartup, "Cannot read the file: Permission denied"},
    {keys::kMinimized, "Cannot read the file: Permission denied"}};

INSTANTIATE_TEST_SUITE_P(
    Form1Load, FailingReadTest,
    ::testing::Values(
        FailingReadCase{"OftenIndex", {{keys::kOftenIndex, "Cannot read OftenIndex"}}, {162}},
        FailingReadCase{"Text1", {{keys::kText1, "Cannot read Text1"}}, {170}},
        FailingReadCase{"StartStopState", {{keys::kStartStopState, "Cannot read it"}}, {172}},
        FailingReadCase{"WindowsStartup", {{keys::kWindowsStartup, "Cannot read it"}}, {192}},
        FailingReadCase{"Minimized", {{keys::kMinimized, "Cannot read Minimized"}}, {194}},
        FailingReadCase{"TwoReasons",
                        {{keys::kText1, "Cannot read Text1"}, {keys::kMinimized, "Cannot read M"}},
                        {170, 194}},
        FailingReadCase{"WholeStore", kWholeStoreFails, {162}}),
    [](const auto& info) { return std::string(info.param.name); });

struct ListStepCase {
    const char* name;
    ControlId list;
    const char* operation;
    Lines lines;
};

class ListStepTest : public ::testing::TestWithParam<ListStepCase> {};

// Each step that fills the lists is reported at its own line.
TEST_P(ListStepTest, FailureIsReportedAtItsLine) {
    const ListStepCase& c = GetParam();
    Form1Harness h;
    (c.list == form1::ListView1 ? h.ui.ListView1.failing : h.ui.ListView2.failing) = c.operation;
    h.Load();
    EXPECT_EQ(ReportLines(h.dialogs), c.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Form1Load, ListStepTest,
    ::testing::Values(
        ListStepCase{"IntervalHeader", form1::ListView2, "AddColumn", {130}},
        ListStepCase{"IntervalWidth", form1::ListView2, "SetColumnWidth", {132}},
        // Then no item names the stored index.
        ListStepCase{"IntervalItems",
                     form1::ListView2,
                     "AddItem",
                     {134, 136, 138, 140, 142, 144, 146, 148, 150, 152, 154, 156, 164}},
        ListStepCase{"LogHeader", form1::ListView1, "AddColumn", {158}},
        ListStepCase{"LogWidth", form1::ListView1, "SetColumnWidth", {160}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Form1LoadTest, StoredPathIsRestored) {
    Form1Harness h;
    const std::string path = h.temp.File("my logs/battery log.txt");
    h.Store(keys::kText1, path);
    Form1& form = h.Load();
    EXPECT_EQ(form.LogPath(), path);
    EXPECT_EQ(h.store.writes, (Writes{{"Text1", path}}));
}

TEST(Form1LoadTest, StoredEmptyPathStaysEmptyAndIsNotWrittenAgain) {
    Form1Harness h;
    h.Store(keys::kText1, "");
    Form1& form = h.Load();
    EXPECT_EQ(form.LogPath(), "");
    EXPECT_TRUE(h.store.writes.empty());
}

class HomePageTest : public ::testing::TestWithParam<int> {};

TEST_P(HomePageTest, OpensOnADrawOfSevenOnly) {
    Form1Harness h;
    h.homePageDraw = GetParam();
    h.Load();
    const std::vector<std::string> expected =
        GetParam() == 7 ? std::vector<std::string>{std::string("https://") + kVendorHost + "/"}
                        : std::vector<std::string>{};
    EXPECT_EQ(h.launcher.urls, expected);
}

INSTANTIATE_TEST_SUITE_P(Form1Load, HomePageTest, ::testing::Values(1, 6, 7, 100));

// The draw is seeded with the local time of day: seconds since midnight with
// their fraction, taken from the clock it is given.
TEST(HomePageDrawTest, IsSeededWithTheLocalTimeOfDay) {
    const std::pair<LocalDateTime, std::uint32_t> rows[] = {
        {{2026, 1, 1, 0, 0, 0, 0}, 0},
        {{2026, 12, 7, 12, 34, 56, 789}, 45'296'789},
        {{1999, 6, 30, 23, 59, 59, 999}, 86'399'999},
    };
    for (const auto& [time, seed] : rows) EXPECT_EQ(HomePageSeed(time), seed);

    FakeClock clock;
    std::set<int> drawn;
    for (int ms = 0; ms < 5000; ++ms) {
        clock.now = {2026, 12, 7, 6, 1, ms / 1000, ms % 1000};
        const int number = DrawHomePageNumber(clock);
        EXPECT_EQ(DrawHomePageNumber(clock), number);
        drawn.insert(number);
    }
    EXPECT_EQ(drawn.size(), 100u);
    EXPECT_EQ(*drawn.begin(), 1);
    EXPECT_EQ(*drawn.rbegin(), 100);
}

TEST(Form1LoadTest, HomePageThatCannotOpenIsReportedAndTheLoadGoesOn) {
    Form1Harness h;
    h.homePageDraw = 7;
    h.launcher.fail = true;
    Form1& form = h.Load();
    EXPECT_EQ(ReportLines(h.dialogs), Lines{106});
    EXPECT_EQ(h.dialogs.messages[0].text.rfind("Cannot start xdg-open\r\n", 0), 0u);
    EXPECT_EQ(h.ui.ListView2.selected, 2);
    EXPECT_TRUE(form.cSysTray1().InTray());
}

TEST(Form1LoadTest, HandPointerComesFromTheCursorFileWhenThere) {
    Form1Harness h;
    h.Load();
    EXPECT_EQ(h.ui.window.mouseIcon, "");

    Form1Harness withFile;
    const std::string cursor = InFolder(withFile.programFolder, "HAND-M.CUR");
    WriteAll(cursor, "a cursor");
    withFile.Load();
    EXPECT_EQ(withFile.ui.window.mouseIcon, cursor);
    EXPECT_TRUE(withFile.dialogs.messages.empty());
}

TEST(Form1LoadTest, UnreadableCursorFileIsReportedUnderLine128) {
    Form1Harness h;
    WriteAll(InFolder(h.programFolder, "HAND-M.CUR"), "not a cursor");
    h.ui.window.readablePictures = false;
    h.Load();
    EXPECT_EQ(ReportLines(h.dialogs), Lines{128});
    EXPECT_EQ(h.dialogs.messages[0].text.rfind("Invalid picture\r\n", 0), 0u);
    EXPECT_EQ(h.ui.ListView2.selected, 2);
}

TEST(Form1LoadTest, SkinTurnsTheWindowFramesAndBoxesToButtonFaceThenApplies) {
    Form1Harness h;
    const std::string skin = InFolder(InFolder(h.programFolder, "x"), "o.cjs");
    WriteAll(skin, "QPushButton { color: navy; }");
    h.Load();
    EXPECT_TRUE(h.dialogs.messages.empty());
    const auto face = [](ControlId id) { return "face " + std::to_string(id); };
    EXPECT_EQ(h.ui.window.styled,
              (std::vector<std::string>{face(kWindowItself), face(form1::Frame1),
                                        face(form1::Frame3), face(form1::Frame2),
                                        face(form1::Check4), face(form1::Check8), "skin " + skin}));
}

TEST(Form1LoadTest, AFolderNamedLikeTheSkinIsNoSkin) {
    Form1Harness h;
    std::filesystem::create_directories(InFolder(InFolder(h.programFolder, "x"), "o.cjs"));
    h.Load();
    EXPECT_TRUE(h.ui.window.styled.empty());
    EXPECT_TRUE(h.dialogs.messages.empty());
}

TEST(Form1LoadTest, UnreadableSkinIsReportedUnderLine100AfterTheColours) {
    Form1Harness h;
    WriteAll(InFolder(InFolder(h.programFolder, "x"), "o.cjs"), "x");
    h.ui.window.skinError = "Permission denied";
    Form1& form = h.Load();
    EXPECT_EQ(ReportLines(h.dialogs), Lines{100});
    EXPECT_EQ(h.ui.window.styled.size(), 6u);
    EXPECT_FALSE(form.IsLoading());
}

}  // namespace
}  // namespace tess::test
