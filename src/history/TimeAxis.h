#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/DateTimeText.h"

namespace tess {

// A mark on an axis: its pixel position (x or y in the plot) and its label.
struct AxisTick {
    int at = 0;
    std::string label;
};

// Moments (seconds since 1970 UTC) from `from` to `to` over the pixel columns
// 0 .. width - 1.
struct TimeScale {
    std::int64_t from = 0;
    std::int64_t to = 0;
    int width = 0;

    int X(std::int64_t time) const;
};

// Ticks on round times of the local clock (whole minutes, hours, days,
// Mondays, first days of months or years), at least `spacing` pixels apart and
// `minStep` seconds apart, each at the moment the clock shows it (the first,
// when it shows it twice; none, when it skips it). A tick at midnight, or one
// of a step of a day or more, is labelled with the short date; the others with
// the long time.
std::vector<AxisTick> TimeTicks(const TimeScale& scale, int spacing, std::int64_t minStep,
                                const DateTimeFormat& format);

}  // namespace tess
