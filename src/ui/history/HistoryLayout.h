#pragma once

#include "ui/history/PixelRect.h"

namespace tess {

// The history window's client size when it first shows, in pixels at 96 dots
// per inch (a toolkit scales them as it scales its other pixels).
inline constexpr int kHistoryWidth = 820;
inline constexpr int kHistoryHeight = 660;

// What the toolkit measures for the layout: the height of a line of the
// window's text and the size the range choice asks for.
struct HistoryMetrics {
    int lineHeight = 0;
    int choiceWidth = 0;
    int choiceHeight = 0;
};

// Where the history window's controls stand in its client area: from the top,
// the summary (two lines), the range choice, the chart of the charge, the
// sessions table, the caption of the weekly runtime and its chart. The charts
// and the table share the height that is left, the chart of the charge taking
// the most; every control takes the whole width.
struct HistoryPlaces {
    PixelRect summary;
    PixelRect range;
    PixelRect levelChart;
    PixelRect sessions;
    PixelRect runtimeCaption;
    PixelRect runtimeChart;
};

// The places in a client area of `width` x `height` pixels. A toolkit moves its
// controls there whenever the client area changes size.
HistoryPlaces LayOutHistory(int width, int height, const HistoryMetrics& metrics);

}  // namespace tess
