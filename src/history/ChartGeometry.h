#pragma once

#include <cstddef>
#include <vector>

#include "history/DischargeAnalysis.h"
#include "history/TimeAxis.h"

namespace tess {

// What a chart shows: the last day, the last week (both ending at the latest
// entry) or the whole log.
enum class ChartRange { Day, Week, All };

// The plot area in pixels, without the axes' labels, and the least distance
// between two labels on each axis (the toolkit measures its own labels).
struct ChartArea {
    int width = 0;
    int height = 0;
    int timeLabelSpacing = 120;
    int valueLabelSpacing = 24;
};

// One pixel column of a line: the y of the column's first and last charge and
// of its highest (top) and lowest (bottom). A toolkit draws a line from the
// previous column's `last` to this column's `first` and a stroke from `top`
// to `bottom`.
struct LevelColumn {
    int x = 0;
    int first = 0;
    int last = 0;
    int top = 0;
    int bottom = 0;
};

// A horizontal band of pixel columns [left, right).
struct PixelSpan {
    int left = 0;
    int right = 0;
};

// The charge over time, in plot coordinates (y grows downwards; 100 % is 0).
struct LevelChart {
    TimeScale scale;
    std::vector<AxisTick> timeTicks;     // at: x
    std::vector<AxisTick> percentTicks;  // at: y
    std::vector<PixelSpan> acSpans;  // periods on AC that meet on the screen are one
    std::vector<LevelColumn> columns;
    // Where in `columns` each line begins: one line per discharge session.
    std::vector<std::size_t> lineStarts;
};

LevelChart LayoutLevelChart(const std::vector<Sample>& samples, const DischargeAnalysis& analysis,
                            ChartRange range, const ChartArea& area, const DateTimeFormat& format);

// A straight stroke from one pixel to another, both ends drawn.
struct PixelStroke {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
};

// The level line as strokes: each column from its top to its bottom, and within
// a line, from a column's last value to the next column's first.
std::vector<PixelStroke> LevelStrokes(const LevelChart& chart);

// A week's median runtime as a point; consecutive weeks are joined.
struct RuntimePoint {
    int x = 0;
    int y = 0;
    bool joinsPrevious = false;
};

// The weekly runtime of a full charge over all weeks with sessions.
struct RuntimeChart {
    TimeScale scale;
    double topHours = 0;              // the value at y = 0
    std::vector<AxisTick> timeTicks;  // at: x
    std::vector<AxisTick> hourTicks;  // at: y
    std::vector<RuntimePoint> points;
};

RuntimeChart LayoutRuntimeChart(const DischargeAnalysis& analysis, const ChartArea& area,
                                const DateTimeFormat& format);

}  // namespace tess
