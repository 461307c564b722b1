#include "engine/IntervalSave.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeClock.h"
#include "RecordingDialogs.h"
#include "TempDir.h"
#include "common/Error.h"

namespace tess {
namespace {

class FixedPowerSource : public PowerSource {
public:
    void GetSystemPowerStatus(PowerStatus& s) override {
        ++calls;
        if (!fill) return;  // a failed query leaves the record as it was given
        s = status;
    }
    PowerStatus status{};
    bool fill = true;
    int calls = 0;
};

class ListView : public LogView {
public:
    std::string LogPath() const override { return path; }
    void AddEntry(const std::string& line) override {
        if (failAdd) throw Error("Out of memory");
        entries.push_back(line);
    }
    std::string path;
    std::vector<std::string> entries;
    bool failAdd = false;
};

class IntervalSaveTest : public ::testing::Test {
protected:
    IntervalSaveTest() { view.path = dir.File("log.txt"); }

    void SetStatus(std::uint8_t ac, std::uint8_t percent, std::uint32_t lifeTime) {
        power.status.ACLineStatus = ac;
        power.status.BatteryLifePercent = percent;
        power.status.BatteryLifeTime = lifeTime;
    }

    test::TempDir dir;
    FixedPowerSource power;
    test::FakeClock clock;
    test::UsDateTimeFormat format;
    DurableLogWriter writer;
    ListView view;
    test::RecordingDialogs dialogs;
    IntervalSave save{{power, clock, format, writer, view, dialogs}};
};

struct LineCase {
    const char* name;
    std::uint8_t ac;
    std::uint8_t percent;
    std::uint32_t lifeTime;
    const char* line;
};

class LineFormTest : public IntervalSaveTest, public ::testing::WithParamInterface<LineCase> {};

TEST_P(LineFormTest, WritesTheLineToFileAndList) {
    const auto& c = GetParam();
    SetStatus(c.ac, c.percent, c.lifeTime);
    save.LogBatteryNow();
    EXPECT_EQ(test::ReadAll(view.path), std::string(c.line) + "\r\n");
    EXPECT_EQ(view.entries, std::vector<std::string>{c.line});
    EXPECT_TRUE(dialogs.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Forms, LineFormTest,
    ::testing::Values(
        LineCase{"Mains", 1, 87, 8100, "12/7/2026 6:01:43 AM Running on AC Power"},
        LineCase{"MainsIgnoresBatteryFields", 1, 255, kUnknownLifeTime,
                 "12/7/2026 6:01:43 AM Running on AC Power"},
        LineCase{"Battery", 0, 87, 8100,
                 "12/7/2026 6:01:43 AM Battery Level is 87% (2 Hours, 15 Minutes, 0 Seconds "
                 "remaining on battery)."},
        LineCase{"UnknownLineStatusIsBattery", 255, 50, 59,
                 "12/7/2026 6:01:43 AM Battery Level is 50% (0 Hours, 0 Minutes, 59 Seconds "
                 "remaining on battery)."},
        LineCase{"UnknownTime", 0, 87, kUnknownLifeTime,
                 "12/7/2026 6:01:43 AM Battery Level is 87%."},
        LineCase{"AnyNegativeTimeIsUnknown", 0, 3, 0x80000000u,
                 "12/7/2026 6:01:43 AM Battery Level is 3%."},
        LineCase{"ZeroTime", 0, 0, 0,
                 "12/7/2026 6:01:43 AM Battery Level is 0% (0 Hours, 0 Minutes, 0 Seconds "
                 "remaining on battery)."},
        LineCase{"UnknownPercentWrittenAsIs", 0, 255, kUnknownLifeTime,
                 "12/7/2026 6:01:43 AM Battery Level is 255%."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(IntervalSaveTest, MidnightWritesTheDateAlone) {
    SetStatus(1, 0, 0);
    clock.now = {2026, 12, 8, 0, 0, 0};
    save.LogBatteryNow();
    clock.now = {2026, 12, 8, 0, 0, 1};
    save.LogBatteryNow();
    EXPECT_EQ(view.entries, (std::vector<std::string>{"12/8/2026 Running on AC Power",
                                                      "12/8/2026 12:00:01 AM Running on AC Power"}));
}

TEST_F(IntervalSaveTest, FailedQueryGivesZeroFilledBatteryRecord) {
    SetStatus(1, 99, 100);
    power.fill = false;
    save.LogBatteryNow();
    ASSERT_EQ(view.entries.size(), 1u);
    EXPECT_EQ(view.entries[0],
              "12/7/2026 6:01:43 AM Battery Level is 0% (0 Hours, 0 Minutes, 0 Seconds remaining "
              "on battery).");
}

TEST_F(IntervalSaveTest, AppendsAfterExistingContent) {
    test::WriteAll(view.path, "earlier line\r\nno terminator");
    SetStatus(1, 0, 0);
    save.LogBatteryNow();
    EXPECT_EQ(test::ReadAll(view.path),
              "earlier line\r\nno terminator12/7/2026 6:01:43 AM Running on AC Power\r\n");
}

// The list shows what is in the file: an entry the file refused adds no row.
TEST_F(IntervalSaveTest, EachFailedAppendIsReportedAndAddsNoRow) {
    view.path = dir.File("missing/folder/log.txt");
    SetStatus(1, 0, 0);
    save.LogBatteryNow();
    save.LogBatteryNow();
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_TRUE(view.entries.empty());
    // The report carries the platform's own description of the failure.
    std::string description;
    try {
        writer.AppendLine(view.path, "line");
    } catch (const Error& e) {
        description = e.what();
    }
    ASSERT_FALSE(description.empty());
    const auto& report = dialogs.messages[0];
    EXPECT_EQ(report.title, "Application Error");
    EXPECT_EQ(report.icon, MessageIcon::Exclamation);
    EXPECT_EQ(report.text,
              description +
                  "\r\nin Pellwick2021/08/31.IntervalSave.LogBatteryNow at line 106\r\r"
                  "Please email screenshot of this message to support@quorvane.example");
}

TEST_F(IntervalSaveTest, FailedListInsertionIsReportedAfterTheWrite) {
    view.failAdd = true;
    SetStatus(1, 0, 0);
    save.LogBatteryNow();
    EXPECT_EQ(test::ReadAll(view.path), "12/7/2026 6:01:43 AM Running on AC Power\r\n");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].text.find("LogBatteryNow at line 108"), std::string::npos);
}

TEST_F(IntervalSaveTest, ThePathIsReadAtEveryAppend) {
    SetStatus(1, 0, 0);
    save.LogBatteryNow();
    view.path = dir.File("other.txt");
    save.LogBatteryNow();
    EXPECT_EQ(test::ReadAll(dir.File("log.txt")), "12/7/2026 6:01:43 AM Running on AC Power\r\n");
    EXPECT_EQ(test::ReadAll(dir.File("other.txt")),
              "12/7/2026 6:01:43 AM Running on AC Power\r\n");
}

struct DurationCase {
    std::int32_t seconds;
    const char* text;
};

class StrBatTimeTest : public ::testing::TestWithParam<DurationCase> {};

TEST_P(StrBatTimeTest, RendersHoursMinutesSeconds) {
    const std::int32_t seconds = GetParam().seconds;
    EXPECT_EQ(IntervalSave::strBatTime(seconds), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, StrBatTimeTest,
    ::testing::Values(DurationCase{59, "0 Hours, 0 Minutes, 59 Seconds"},
                      DurationCase{60, "0 Hours, 1 Minutes, 0 Seconds"},
                      DurationCase{3725, "1 Hours, 2 Minutes, 5 Seconds"},
                      DurationCase{86399, "23 Hours, 59 Minutes, 59 Seconds"},
                      DurationCase{2147483647, "596523 Hours, 14 Minutes, 7 Seconds"},
                      DurationCase{-1, "0 Hours, 0 Minutes, -1 Seconds"},
                      DurationCase{-3725, "-1 Hours, -2 Minutes, -5 Seconds"},
                      DurationCase{-2147483647 - 1, "-596523 Hours, -14 Minutes, -8 Seconds"}));

}  // namespace
}  // namespace tess
