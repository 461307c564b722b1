#include "ui/history/HistoryLayout.h"

#include <gtest/gtest.h>

#include "FakeHistoryControls.h"
#include "ui/history/ChartFrame.h"

namespace tess {
namespace {

// From the top, each control below the one before with 6 pixels between, 8
// from the edges; the height left (545 of 660) goes half to the chart of the
// charge, three tenths to the table and the rest to the weekly runtime.
// Worked out by hand; a window too small for them leaves no control a
// negative size.
TEST(HistoryLayoutTest, StacksTheControlsAndSharesTheHeightLeft) {
    const HistoryPlaces p = LayOutHistory(820, 660, HistoryMetrics{15, 90, 24});
    EXPECT_EQ(p.summary, (PixelRect{8, 8, 804, 30}));
    EXPECT_EQ(p.range, (PixelRect{8, 44, 90, 24}));
    EXPECT_EQ(p.levelChart, (PixelRect{8, 74, 804, 272}));
    EXPECT_EQ(p.sessions, (PixelRect{8, 352, 804, 163}));
    EXPECT_EQ(p.runtimeCaption, (PixelRect{8, 521, 804, 15}));
    EXPECT_EQ(p.runtimeChart, (PixelRect{8, 542, 804, 110}));

    const HistoryPlaces tiny = LayOutHistory(20, 10, HistoryMetrics{15, 90, 24});
    for (const PixelRect& r : {tiny.summary, tiny.range, tiny.levelChart, tiny.sessions,
                               tiny.runtimeCaption, tiny.runtimeChart}) {
        EXPECT_EQ(r.width, 4);
        EXPECT_GE(r.height, 0);
    }
}

TEST(ChartFrameTest, LeavesRoomForTheLabelsAndSpacesTheTicksByThem) {
    test::FakeLevelSurface text;  // 7 pixels a character, 15 a line
    const ChartFrame frame = FrameChart(600, 300, text, {"100%", "0%"}, {"12/28/2026", "11:58:58 PM"});
    // "100%" is 28 pixels wide, and 4 pixels of gap stand on each side of it;
    // the time labels take a line at the bottom with a gap above and below.
    EXPECT_EQ(frame.plot, (PixelRect{36, 8, 549, 269}));
    EXPECT_EQ(frame.area.width, 549);
    EXPECT_EQ(frame.area.height, 269);
    // "11:58:58 PM" is 77 pixels wide.
    EXPECT_EQ(frame.area.timeLabelSpacing, 107);
    EXPECT_EQ(frame.area.valueLabelSpacing, 30);
    const ChartFrame tiny = FrameChart(10, 10, text, {"100%"}, {"x"});
    EXPECT_EQ(tiny.plot.width, 0);
    EXPECT_EQ(tiny.plot.height, 0);
}

}  // namespace
}  // namespace tess
