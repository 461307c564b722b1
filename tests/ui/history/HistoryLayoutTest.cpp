#include "ui/history/HistoryLayout.h"

#include <gtest/gtest.h>

#include "FakeHistoryControls.h"
#include "ui/history/ChartFrame.h"

namespace tess {
namespace {

// From the top, each control below the one before, none outside the client
// area, all but the range choice as wide as the window allows; the height
// left goes to the charts and the table, the most to the chart of the charge.
TEST(HistoryLayoutTest, StacksTheControlsAndSharesTheHeightLeft) {
    const HistoryMetrics metrics{15, 90, 24};
    for (const auto& [width, height] : {std::pair{820, 660}, {1600, 1200}, {300, 200}, {20, 10}}) {
        const HistoryPlaces p = LayOutHistory(width, height, metrics);
        const PixelRect order[] = {p.summary,  p.range,          p.levelChart,
                                   p.sessions, p.runtimeCaption, p.runtimeChart};
        for (std::size_t i = 0; i < std::size(order); ++i) {
            EXPECT_GE(order[i].height, 0);
            EXPECT_EQ(order[i].left, 8);
            if (i > 0) {
                EXPECT_GT(order[i].top, order[i - 1].Bottom()) << i;
            }
            if (i != 1) {
                EXPECT_EQ(order[i].width, std::max(0, width - 16));
            }
        }
        EXPECT_EQ(p.summary.height, 30);
        EXPECT_EQ(p.range.width, std::min(90, std::max(0, width - 16)));
        if (height < 300) continue;
        EXPECT_EQ(p.runtimeChart.Bottom(), height - 8) << width;
        EXPECT_GT(p.levelChart.height, p.sessions.height);
        EXPECT_GT(p.sessions.height, p.runtimeChart.height);
    }
}

TEST(ChartFrameTest, LeavesRoomForTheLabelsAndSpacesTheTicksByThem) {
    test::FakeLevelSurface text;  // 7 pixels a character, 15 a line
    const ChartFrame frame = FrameChart(600, 300, text, {"100%", "0%"}, {"12/28/2026", "11:58:58 PM"});
    EXPECT_EQ(frame.plot, (PixelRect{4 * 7 + 2 * kLabelGap, 8, 600 - 36 - 15, 300 - 8 - 15 - 8}));
    EXPECT_EQ(frame.area.width, frame.plot.width);
    EXPECT_EQ(frame.area.height, frame.plot.height);
    EXPECT_EQ(frame.area.timeLabelSpacing, 11 * 7 + 30);
    EXPECT_EQ(frame.area.valueLabelSpacing, 30);
    const ChartFrame tiny = FrameChart(10, 10, text, {"100%"}, {"x"});
    EXPECT_EQ(tiny.plot.width, 0);
    EXPECT_EQ(tiny.plot.height, 0);
}

}  // namespace
}  // namespace tess
