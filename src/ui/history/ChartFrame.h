#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

#include "history/ChartGeometry.h"
#include "ui/history/PixelRect.h"

namespace tess {

// What a toolkit measures of the text it draws, in its pixels.
class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    virtual int TextWidth(const std::string& text) const = 0;
    virtual int LineHeight() const = 0;
};

// Where a chart stands on its surface: the plot (the area that ChartGeometry's
// coordinates are relative to) with room for the labels of its axes, and the
// area to lay the chart out for.
//
// A toolkit draws a chart on this frame in this order, and decides nothing else:
//  - the surface in the window's background colour, the plot in kPlotBackground;
//  - the bands under the grid (the periods on AC, LevelChartSurface);
//  - the grid: a line of kGrid across the plot at the y of each tick of the
//    value axis and down the plot at the x of each tick of the time axis;
//  - the plot's outline in kAxis, one pixel inside it;
//  - the chart's lines and points, at plot coordinates (ChartGeometry.h);
//  - the labels in kLabelText: a value tick's label ending kLabelGap pixels left
//    of the plot, centred on its line; a time tick's label centred on its x,
//    kLabelGap pixels below the plot, moved sideways no further than needed to
//    stay on the surface.
struct ChartFrame {
    PixelRect plot;
    ChartArea area;
};

inline constexpr int kLabelGap = 4;

// Colours as 0xRRGGBB.
inline constexpr std::uint32_t kPlotBackground = 0xFFFFFF;
inline constexpr std::uint32_t kAxis = 0x808080;
inline constexpr std::uint32_t kGrid = 0xE4E4E4;
inline constexpr std::uint32_t kLabelText = 0x404040;
inline constexpr std::uint32_t kAcShade = 0xFCE9B6;   // a period on AC power
inline constexpr std::uint32_t kLevelLine = 0x1F63B4;  // the battery's charge
inline constexpr std::uint32_t kRuntimeLine = 0x2E8B3E;  // the weekly runtime, line and points
inline constexpr int kRuntimePointRadius = 3;

// The frame of a chart on a surface of `width` x `height` pixels: the value
// labels take the width of the widest of `valueLabels`, the time labels a line
// below the plot; ticks on the time axis stand at least the width of the
// widest of `timeLabels` apart, and ticks of values two lines apart.
ChartFrame FrameChart(int width, int height, const TextMeasure& text,
                      std::initializer_list<std::string> valueLabels,
                      std::initializer_list<std::string> timeLabels);

}  // namespace tess
