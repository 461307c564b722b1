#include "ui/history/HistoryWindow.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "FakeClock.h"
#include "FakeHistoryControls.h"
#include "FakeServices.h"
#include "ScriptedLog.h"
#include "TempDir.h"

namespace tess {
namespace {

using namespace test;

constexpr std::int64_t kMonday = 1'796'601'600;  // Monday 7 December 2026, 00:00
constexpr std::int64_t kHour = 3600;

class HistoryWindowTest : public ::testing::Test {
protected:
    // Entries every 10 minutes: on AC from 8:00, then 100 % falling 10 % an hour
    // from 9:00 to 14:00, on AC again from 14:10, then 100 % falling 20 % an
    // hour from 15:10 to 17:10.
    HistoryWindowTest() {
        Charge(8 * kHour, 50);
        Discharge(9 * kHour, 300, 10);
        Charge(14 * kHour + 600, 50);
        Discharge(15 * kHour + 600, 120, 20);
        Write();
    }
    void Charge(std::int64_t from, int minutes) {
        for (int m = 0; m <= minutes; m += 10) log.Ac(kMonday + from + 60 * m);
    }
    void Discharge(std::int64_t from, int minutes, int perHour) {
        for (int m = 0; m <= minutes; m += 10) log.Battery(kMonday + from + 60 * m, 100 - perHour * m / 60);
    }
    // Appends what the script added since the last write.
    void Write() {
        std::ofstream(path, std::ios::binary | std::ios::app) << log.text;
        log.text.clear();
    }
    std::vector<std::string> Row(std::size_t row) const {
        std::vector<std::string> cells;
        for (int c = 0; c < static_cast<int>(kSessionColumns.size()); ++c)
            cells.push_back(window.SessionCell(row, c));
        return cells;
    }

    UsDateTimeFormat format;
    TempDir dir;
    std::string path = dir.File("Tessaline.txt");
    ScriptedLog log{format};
    FakeHistoryControls ui;
    ManualTickTimer reader;
    FakeStopwatch stopwatch;
    HistoryWindow window{ui.Refs(), format, reader, stopwatch};
};

TEST_F(HistoryWindowTest, ShowsTheSessionsOfTheLogAndTheirRuntime) {
    EXPECT_EQ(ui.window.caption, "Battery History");
    EXPECT_EQ(ui.range.choices, (std::vector<std::string>{"Day", "Week", "All"}));
    EXPECT_EQ(ui.sessions.headers.size(), kSessionColumns.size());
    window.ShowHistory(path);
    EXPECT_EQ(ui.window.shown, 1);
    EXPECT_EQ(ui.summary.caption, "56 entries read.");
    ASSERT_EQ(ui.sessions.rows, 2u);
    EXPECT_EQ(Row(0), (std::vector<std::string>{"12/7/2026 9:00:00 AM", "12/7/2026 2:00:00 PM",
                                                "100%", "50%", "5 h 00 min", "10.0 %/h", "10.0 h"}));
    EXPECT_EQ(Row(1)[5], "20.0 %/h");
    EXPECT_EQ(Row(1)[6], "5.0 h");
    EXPECT_EQ(ui.runtimeCaption.caption,
              "Runtime of a full charge, median of each week: 7.5 h in the week of 12/7/2026 "
              "(2 sessions).");
    EXPECT_EQ(window.SessionCell(2, 0), "");
    window.RuntimeChart_Paint();
    ASSERT_TRUE(ui.runtimeChart.drawn);
    EXPECT_EQ(ui.runtimeChart.drawn->points.size(), 1u);
}

// The chart shows the chosen range, laid out for the surface's size when it is painted.
TEST_F(HistoryWindowTest, TheChartFollowsTheRangeAndTheSurfacesSize) {
    window.ShowHistory(path);
    const struct {
        int choice;
        std::int64_t span;
        int surfaceWidth;
    } cases[] = {{-1, 7 * 24 * kHour, 600}, {0, 24 * kHour, 600}, {2, 9 * kHour + 600, 900}};
    for (const auto& c : cases) {
        if (c.choice >= 0) {
            const int before = ui.levelChart.invalidated;
            ui.range.chosen = c.choice;
            window.Range_Click();
            EXPECT_GT(ui.levelChart.invalidated, before);
        }
        ui.levelChart.width = c.surfaceWidth;
        window.LevelChart_Paint();
        ASSERT_TRUE(ui.levelChart.drawn);
        const LevelChart& chart = *ui.levelChart.drawn;
        EXPECT_EQ(chart.scale.to - chart.scale.from, c.span) << c.choice;
        EXPECT_EQ(chart.scale.to, kMonday + 17 * kHour + 600);
        EXPECT_EQ(chart.scale.width, ui.levelChart.frame.plot.width);
        EXPECT_EQ(ui.levelChart.frame.plot.Right(), c.surfaceWidth - 15);
        EXPECT_EQ(chart.lineStarts.size(), 2u);
        EXPECT_EQ(chart.acSpans.size(), 2u);
    }
}

// Each new entry updates the rows it changes and asks the charts for a paint.
TEST_F(HistoryWindowTest, FollowsTheEntriesAsTheWriterAppendsThem) {
    window.ShowHistory(path);
    const struct {
        bool ac;
        int percent;
        std::size_t rows;
        std::size_t firstChanged;
    } entries[] = {{false, 58, 2, 1}, {true, 0, 2, 2}, {false, 99, 3, 2}};
    std::int64_t when = kMonday + 17 * kHour + 600;
    for (const auto& e : entries) {
        when += 600;
        e.ac ? log.Ac(when) : log.Battery(when, e.percent);
        Write();
        const int paints = ui.levelChart.invalidated;
        window.EntryAdded(path);
        EXPECT_EQ(ui.sessions.rows, e.rows);
        EXPECT_EQ(ui.sessions.changes.back(), e.firstChanged);
        EXPECT_EQ(ui.levelChart.invalidated, paints + 1);
    }
    EXPECT_EQ(Row(1)[3], "58%");
    EXPECT_EQ(ui.summary.caption, "59 entries read.");
    // Nothing new: nothing done.
    window.EntryAdded(path);
    EXPECT_EQ(ui.sessions.changes.size(), 4u);
}

// No event waits for a large log: showing it reads of it for a while, and the
// reader's ticks read on, with the program's events between them. The window
// says how far the reading is, and shows the whole log once it is read, with
// what the writer appended meanwhile. Closed meanwhile, it stops reading.
TEST_F(HistoryWindowTest, ReadsALargeLogAWhileAtATime) {
    std::int64_t when = kMonday + 18 * kHour;
    std::size_t entries = 56;
    for (; log.text.size() < (1 << 20); ++entries, ++when) {
        log.Battery(when, 100 - static_cast<int>((when - kMonday) / 1000 % 90));
    }
    Write();
    // Each piece read takes the while an event reads for.
    stopwatch.step = HistoryWindow::kReadingMilliseconds;
    window.ShowHistory(path);
    EXPECT_EQ(ui.window.shown, 1);
    EXPECT_EQ(ui.summary.caption, "Reading the log: 1 of 2 MB...");
    EXPECT_EQ(ui.sessions.rows, 0u);
    EXPECT_EQ(ui.runtimeCaption.caption, "Runtime of a full charge, median of each week: ...");
    window.LevelChart_Paint();
    EXPECT_TRUE(ui.levelChart.drawn->columns.empty());
    ASSERT_TRUE(reader.Running());

    log.Ac(when);
    Write();
    window.EntryAdded(path);
    window.ShowHistory(path);
    int ticks = 0;
    for (; reader.Running() && ticks < 10; ++ticks) reader.Elapse();
    EXPECT_EQ(ticks, 4);
    EXPECT_EQ(ui.summary.caption, std::to_string(entries + 1) + " entries read.");
    EXPECT_EQ(ui.sessions.rows, 3u);
    window.LevelChart_Paint();
    EXPECT_FALSE(ui.levelChart.drawn->columns.empty());

    window.Form_Unload();
    window.ShowHistory(path);
    window.Form_Unload();
    EXPECT_FALSE(reader.Running());
}

// A closed window reads nothing and shows nothing: the log is held only while it is open.
TEST_F(HistoryWindowTest, AClosedWindowDoesNothingWithNewEntries) {
    window.EntryAdded(path);
    EXPECT_FALSE(window.IsOpen());
    EXPECT_TRUE(ui.sessions.changes.empty());
    window.ShowHistory(path);
    window.Form_Unload();
    EXPECT_FALSE(window.IsOpen());
    EXPECT_EQ(ui.sessions.rows, 0u);
    const int paints = ui.levelChart.invalidated;
    log.Battery(kMonday + 18 * kHour, 50);
    Write();
    window.EntryAdded(path);
    EXPECT_EQ(ui.levelChart.invalidated, paints);
    EXPECT_EQ(ui.sessions.changes.size(), 2u);
    window.ShowHistory(path);
    EXPECT_EQ(ui.summary.caption, "57 entries read.");
}

// The window shows the log the writer appends to: a new path is read anew.
TEST_F(HistoryWindowTest, ReadsTheLogOfTheNewPath) {
    window.ShowHistory(path);
    const std::string other = dir.File("Other.txt");
    std::ofstream(other, std::ios::binary) << "7.12.2026 10:00:00 Running on AC Power\r\n";
    window.EntryAdded(other);
    EXPECT_EQ(ui.sessions.rows, 0u);
    EXPECT_EQ(ui.summary.caption,
              "0 entries read, 1 line skipped (not entries in this system's date and time "
              "format).");
    window.ShowHistory(dir.File("none.txt"));
    EXPECT_EQ(ui.summary.caption, "There is no log file at " + dir.File("none.txt") + ".");
    window.ShowHistory("");
    EXPECT_EQ(ui.summary.caption, "The main window names no log file.");
    EXPECT_EQ(ui.runtimeCaption.caption,
              "Runtime of a full charge, median of each week: no discharge of 5 points or more "
              "yet.");
    EXPECT_EQ(ui.window.shown, 3);
}

}  // namespace
}  // namespace tess
