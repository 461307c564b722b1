#pragma once

// The history window's figures after its open, printed alike by the Qt and the
// Win32 bench, in the lines that bench/run.sh and bench/run-windows.sh read.

#include <cstdio>
#include <vector>

#include "BenchTiming.h"

namespace bench {

struct HistoryWindowFigures {
    const char* painting;  // who paints: "Qt", "GDI"
    double redrawAll;      // ms, median, at a new width
    double redrawWeek;
    double redrawDay;
    std::vector<double> update{};      // ms per new entry handed to the open window
    std::vector<double> withPaint[2]{};  // the same with the repaint: week, all
    bool whole = false;                // every entry read, none skipped
};

inline void PrintAfterOpen(const HistoryWindowFigures& f) {
    const Spread update = SpreadOf(f.update);
    std::printf("redraw at a new width (layout and %s painting), median:\n", f.painting);
    std::printf("  all                                                   %9.2f ms\n", f.redrawAll);
    std::printf("  week                                                  %9.2f ms\n", f.redrawWeek);
    std::printf("  day                                                   %9.2f ms\n", f.redrawDay);
    std::printf("new entry taken into the open window, median            %9.3f ms\n", update.median);
    std::printf("new entry taken into the open window, 99th percentile   %9.3f ms\n", update.p99);
    std::printf("new entry with the repaint that follows, week, median   %9.3f ms\n",
                SpreadOf(f.withPaint[0]).median);
    std::printf("new entry with the repaint that follows, all, median    %9.3f ms\n",
                SpreadOf(f.withPaint[1]).median);
    std::printf("every entry read                                        %9s\n",
                f.whole ? "yes" : "NO");
}

}  // namespace bench
