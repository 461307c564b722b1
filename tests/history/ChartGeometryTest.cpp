#include "history/ChartGeometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "FakeClock.h"
#include "SampleScript.h"
#include "common/CivilTime.h"

namespace tess {
namespace {

using namespace test;

class ChartGeometryTest : public ::testing::Test {
protected:
    LevelChart Layout(ChartRange range, ChartArea area) {
        analysis.Update(samples, 0);
        return LayoutLevelChart(samples, analysis, range, area, format);
    }
    static std::vector<std::string> Labels(const std::vector<AxisTick>& ticks) {
        std::vector<std::string> labels;
        for (const AxisTick& tick : ticks) labels.push_back(tick.label);
        return labels;
    }

    test::UsDateTimeFormat format;
    std::vector<Sample> samples;
    DischargeAnalysis analysis;
};

// Ten pixel columns for a thousand samples: each column keeps its highest and
// lowest charge, so a one-sample spike still shows.
TEST_F(ChartGeometryTest, DecimationKeepsEachColumnsHighestAndLowest) {
    const std::int64_t t = kMonday + 9 * kHour;
    for (int i = 0; i < 1000; ++i) {
        const int percent = i == 321 ? 70 : i == 654 ? 30 : 60 - i % 21;
        samples.push_back(Battery(t + i, percent));
    }
    const LevelChart chart = Layout(ChartRange::All, {10, 101, 120, 24});
    ASSERT_EQ(chart.columns.size(), 10u);
    ASSERT_EQ(chart.lineStarts, std::vector<std::size_t>{0});
    for (std::size_t c = 0; c < chart.columns.size(); ++c) {
        const LevelColumn& column = chart.columns[c];
        EXPECT_EQ(column.x, static_cast<int>(c));
        const int high = c == 3 ? 70 : 60;
        const int low = c == 6 ? 30 : 40;
        EXPECT_EQ(column.top, 100 - high) << c;
        EXPECT_EQ(column.bottom, 100 - low) << c;
        EXPECT_EQ(column.first, 100 - (60 - static_cast<int>(c * 100) % 21)) << c;
    }
    EXPECT_EQ(chart.columns.back().last, 100 - (60 - 999 % 21));
}

// A day ends at the latest entry: what lies before it is not drawn; the AC
// period between two sessions is a band, and each session its own line.
TEST_F(ChartGeometryTest, TheDayShowsItsSessionsAndTheChargerBetweenThem) {
    const std::int64_t t = kMonday + 2 * kDay;
    for (int i = 0; i < 60; ++i) samples.push_back(Battery(t - kDay - kHour + 60 * i, 90 - i / 6));
    for (int i = 0; i <= 60; ++i) samples.push_back(Battery(t + 60 * i, 90 - i / 6));
    for (int i = 1; i <= 120; ++i) samples.push_back(Ac(t + kHour + 60 * i));
    for (int i = 1; i <= 60; ++i) samples.push_back(Battery(t + 3 * kHour + 60 * i, 100 - i / 6));
    const LevelChart chart = Layout(ChartRange::Day, {1440, 100, 120, 24});
    EXPECT_EQ(chart.scale.to, t + 4 * kHour);
    EXPECT_EQ(chart.scale.from, t + 4 * kHour - kDay);
    ASSERT_EQ(chart.lineStarts.size(), 2u);  // the session of the day before is out of range
    const int perMinute = 1;                 // 1440 columns for 1440 minutes
    EXPECT_EQ(chart.columns[chart.lineStarts[0]].x, 1440 - 4 * 60 * perMinute);
    ASSERT_EQ(chart.acSpans.size(), 1u);
    EXPECT_EQ(chart.acSpans[0].left, 1440 - 3 * 60 + 1);
    EXPECT_EQ(chart.acSpans[0].right, 1440 - 60 + 2);  // up to the battery entry that follows
}

// Periods on AC that meet on the screen are one band, so that a long log shades
// each pixel once; periods apart stay apart.
TEST_F(ChartGeometryTest, ChargerPeriodsThatMeetOnTheScreenAreOneBand) {
    const std::int64_t t = kMonday + 9 * kHour;
    for (int i = 0; i <= 310; ++i) {
        const bool ac = i < 100 ? (i / 5) % 2 == 0 : i >= 300;
        samples.push_back(ac ? Ac(t + 60 * i) : Battery(t + 60 * i, 90 - i / 10));
    }
    const LevelChart chart = Layout(ChartRange::All, {31, 101, 120, 24});
    ASSERT_EQ(chart.acSpans.size(), 2u);
    EXPECT_EQ(chart.acSpans[0].left, 0);
    EXPECT_EQ(chart.acSpans[0].right, 10);
    EXPECT_EQ(chart.acSpans[1].left, 30);
    EXPECT_EQ(chart.acSpans[1].right, 31);
}

TEST_F(ChartGeometryTest, TicksFallOnRoundTimesAndLeaveRoomForTheirLabels) {
    samples = {Battery(kMonday + 5 * kHour + 17, 90), Battery(kMonday + 29 * kHour + 17, 80)};
    const LevelChart day = Layout(ChartRange::Day, {1200, 101, 100, 24});
    // 50 pixels an hour: every second hour, midnight as its date.
    EXPECT_EQ(Labels(day.timeTicks),
              (std::vector<std::string>{"6:00:00 AM", "8:00:00 AM", "10:00:00 AM", "12:00:00 PM",
                                        "2:00:00 PM", "4:00:00 PM", "6:00:00 PM", "8:00:00 PM",
                                        "10:00:00 PM", "12/8/2026", "2:00:00 AM", "4:00:00 AM"}));
    EXPECT_EQ(day.timeTicks[0].at, day.scale.X(kMonday + 6 * kHour));
    EXPECT_EQ(Labels(day.percentTicks),
              (std::vector<std::string>{"0%", "25%", "50%", "75%", "100%"}));
    EXPECT_EQ(day.percentTicks[0].at, 100);
    EXPECT_EQ(day.percentTicks[4].at, 0);

    const LevelChart week = Layout(ChartRange::Week, {700, 101, 100, 24});
    EXPECT_EQ(Labels(week.timeTicks),
              (std::vector<std::string>{"12/2/2026", "12/3/2026", "12/4/2026", "12/5/2026",
                                        "12/6/2026", "12/7/2026", "12/8/2026"}));

    samples = {Battery(kMonday, 90), Battery(kMonday + 300 * kDay, 80)};
    const LevelChart all = Layout(ChartRange::All, {600, 40, 100, 24});
    // 60 pixels a month: every second month of the year, on its first day.
    EXPECT_EQ(Labels(all.timeTicks), (std::vector<std::string>{"1/1/2027", "3/1/2027", "5/1/2027",
                                                               "7/1/2027", "9/1/2027"}));
    EXPECT_EQ(Labels(all.percentTicks), (std::vector<std::string>{"0%", "100%"}));
}

TEST_F(ChartGeometryTest, TheRuntimeLineJoinsConsecutiveWeeksOnly) {
    const auto session = [&](std::int64_t day, int drop) {
        samples.push_back(Ac(kMonday + day * kDay));
        Discharge(samples, kMonday + day * kDay + 60, 4 * kHour, 100, drop);
    };
    session(0, 40);   // 10 hours a charge
    session(7, 50);   // 8 hours
    session(21, 80);  // 5 hours, after a week without sessions
    samples.push_back(Ac(kMonday + 22 * kDay));
    analysis.Update(samples, 0);
    const RuntimeChart chart = LayoutRuntimeChart(analysis, {280, 101, 60, 20}, format);
    EXPECT_EQ(chart.topHours, 10);
    EXPECT_EQ(Labels(chart.hourTicks),
              (std::vector<std::string>{"0 h", "2 h", "4 h", "6 h", "8 h", "10 h"}));
    ASSERT_EQ(chart.points.size(), 3u);
    EXPECT_EQ(chart.points[0].y, 0);
    EXPECT_EQ(chart.points[1].y, 20);
    EXPECT_EQ(chart.points[2].y, 50);
    EXPECT_FALSE(chart.points[0].joinsPrevious);
    EXPECT_TRUE(chart.points[1].joinsPrevious);
    EXPECT_FALSE(chart.points[2].joinsPrevious);
    EXPECT_EQ(chart.points[1].x, 105);  // the middle of the second of four weeks
    EXPECT_EQ(Labels(chart.timeTicks),
              (std::vector<std::string>{"12/7/2026", "12/14/2026", "12/21/2026", "12/28/2026",
                                        "1/4/2027"}));
}

// Each column is a stroke from its top to its bottom; the line joins a column's
// last value to the next one's first, but never across two sessions.
TEST(LevelStrokesTest, JoinColumnsWithinALineOnly) {
    LevelChart chart;
    chart.columns = {{10, 5, 6, 4, 7}, {11, 8, 9, 8, 9}, {20, 1, 2, 1, 3}};
    chart.lineStarts = {0, 2};
    const auto strokes = LevelStrokes(chart);
    std::vector<std::array<int, 4>> ends;
    for (const PixelStroke& s : strokes) ends.push_back({s.x1, s.y1, s.x2, s.y2});
    EXPECT_EQ(ends, (std::vector<std::array<int, 4>>{
                        {10, 4, 10, 7}, {10, 6, 11, 8}, {11, 8, 11, 9}, {20, 1, 20, 3}}));
}

}  // namespace
}  // namespace tess
