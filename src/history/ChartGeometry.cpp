#include "history/ChartGeometry.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "common/CivilTime.h"
#include "common/LocalZone.h"

namespace tess {

namespace {

constexpr std::int64_t kWeek = 7 * kSecondsPerDay;
// The least time a chart spans, so that a log of one entry still has an axis.
constexpr std::int64_t kLeastSpan = 60;

TimeScale ScaleOf(const DischargeAnalysis& analysis, ChartRange range, int width) {
    std::int64_t to = analysis.Latest();
    std::int64_t from = analysis.Earliest();
    if (range == ChartRange::Day) from = to - kSecondsPerDay;
    if (range == ChartRange::Week) from = to - kWeek;
    if (to - from < kLeastSpan) {
        from -= (kLeastSpan - (to - from)) / 2;
        to = from + kLeastSpan;
    }
    return {from, to, width};
}

int PercentY(int percent, int height) {
    return static_cast<int>(std::lround((100 - percent) * (height - 1) / 100.0));
}

std::vector<AxisTick> PercentTicks(int height, int spacing) {
    static constexpr std::array<int, 5> kSteps{10, 20, 25, 50, 100};
    std::vector<AxisTick> ticks;
    for (const int step : kSteps) {
        if (step != 100 && step * (height - 1) < spacing * 100) continue;
        for (int percent = 0; percent <= 100; percent += step) {
            ticks.push_back({PercentY(percent, height), std::to_string(percent) + "%"});
        }
        break;
    }
    return ticks;
}

// One min/max column per pixel for the samples of a session inside the scale.
// Between the samples set aside, a session's samples are sorted by time, and
// each such piece of it follows the one before.
void AddLine(const std::vector<Sample>& samples, const std::vector<std::uint32_t>& aside,
             const DischargeSession& session, const TimeScale& scale, LevelChart& chart) {
    auto skip = std::lower_bound(aside.begin(), aside.end(), session.first);
    LevelColumn column;
    bool started = false;
    for (std::uint32_t from = session.first; from <= session.last;) {
        const std::uint32_t to =
            skip != aside.end() && *skip <= session.last ? *skip++ : session.last + 1;
        const auto end = samples.begin() + to;
        auto sample = std::lower_bound(samples.begin() + from, end, scale.from,
                                       [](const Sample& s, std::int64_t t) { return s.time < t; });
        for (; sample != end && sample->time <= scale.to; ++sample) {
            const int x = scale.X(sample->time);
            const int percent = sample->percent;
            if (!started) {
                chart.lineStarts.push_back(chart.columns.size());
                started = true;
                column = {x, percent, percent, percent, percent};
            } else if (x != column.x) {
                chart.columns.push_back(column);
                column = {x, percent, percent, percent, percent};
            }
            column.last = percent;
            column.top = std::max(column.top, percent);
            column.bottom = std::min(column.bottom, percent);
        }
        if (sample != end) break;  // the rest is later than the scale
        from = to + 1;
    }
    if (started) chart.columns.push_back(column);
}

// The least of 1, 2 or 5 times a power of ten that is at least `value` (1 or more).
double NiceCeiling(double value) {
    double power = 1;
    while (power * 10 <= value) power *= 10;
    for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
        if (factor * power >= value) return factor * power;
    }
    return 10 * power;
}

}  // namespace

LevelChart LayoutLevelChart(const std::vector<Sample>& samples, const DischargeAnalysis& analysis,
                            ChartRange range, const ChartArea& area, const DateTimeFormat& format) {
    LevelChart chart;
    if (samples.empty() || area.width <= 0 || area.height <= 0) return chart;
    chart.scale = ScaleOf(analysis, range, area.width);
    const TimeScale& scale = chart.scale;
    chart.timeTicks = TimeTicks(scale, area.timeLabelSpacing, 1, format);
    chart.percentTicks = PercentTicks(area.height, area.valueLabelSpacing);
    for (const AcSpan& span : analysis.AcSpans()) {
        if (span.end < scale.from || span.start > scale.to) continue;
        const PixelSpan band{scale.X(span.start), scale.X(span.end) + 1};
        // Periods that meet on the screen make one band.
        if (!chart.acSpans.empty() && band.left >= chart.acSpans.back().left &&
            band.left <= chart.acSpans.back().right) {
            chart.acSpans.back().right = std::max(chart.acSpans.back().right, band.right);
        } else {
            chart.acSpans.push_back(band);
        }
    }
    for (const DischargeSession& session : analysis.Sessions()) {
        if (session.end < scale.from || session.start > scale.to) continue;
        AddLine(samples, analysis.SetAside(), session, scale, chart);
    }
    // The columns hold percentages until here; now they become pixel rows.
    for (LevelColumn& column : chart.columns) {
        column.first = PercentY(column.first, area.height);
        column.last = PercentY(column.last, area.height);
        column.top = PercentY(column.top, area.height);
        column.bottom = PercentY(column.bottom, area.height);
    }
    return chart;
}

RuntimeChart LayoutRuntimeChart(const DischargeAnalysis& analysis, const ChartArea& area,
                                const DateTimeFormat& format) {
    RuntimeChart chart;
    const std::vector<WeekRuntime> weeks = analysis.Weeks();
    if (weeks.empty() || area.width <= 0 || area.height <= 0) return chart;
    // The weeks are the local clock's; the axis runs in moments, as the level chart's.
    chart.scale = {MomentOf(weeks.front().weekStart), MomentOf(weeks.back().weekStart + kWeek),
                   area.width};
    chart.timeTicks = TimeTicks(chart.scale, area.timeLabelSpacing, kWeek, format);
    double highest = 0;
    for (const WeekRuntime& week : weeks) highest = std::max(highest, week.medianHours);
    chart.topHours = NiceCeiling(std::max(highest, 1.0));
    const auto y = [&](double hours) {
        return static_cast<int>(std::lround((1 - hours / chart.topHours) * (area.height - 1)));
    };
    // Whole hours, 1, 2 or 5 times a power of ten, far enough apart for the labels.
    const double least = chart.topHours * area.valueLabelSpacing / std::max(area.height - 1, 1);
    const double step = std::min(NiceCeiling(std::max(least, 1.0)), chart.topHours);
    for (double hours = 0; hours <= chart.topHours + 1e-9; hours += step) {
        chart.hourTicks.push_back({y(hours), std::to_string(std::lround(hours)) + " h"});
    }
    std::int64_t previous = 0;
    for (const WeekRuntime& week : weeks) {
        chart.points.push_back({chart.scale.X(MomentOf(week.weekStart + kWeek / 2)),
                                y(week.medianHours),
                                !chart.points.empty() && week.weekStart - previous == kWeek});
        previous = week.weekStart;
    }
    return chart;
}

std::vector<PixelStroke> LevelStrokes(const LevelChart& chart) {
    std::vector<PixelStroke> strokes;
    strokes.reserve(2 * chart.columns.size());
    for (std::size_t line = 0; line < chart.lineStarts.size(); ++line) {
        const std::size_t begin = chart.lineStarts[line];
        const std::size_t end =
            line + 1 < chart.lineStarts.size() ? chart.lineStarts[line + 1] : chart.columns.size();
        for (std::size_t c = begin; c < end; ++c) {
            const LevelColumn& column = chart.columns[c];
            if (c > begin) {
                const LevelColumn& previous = chart.columns[c - 1];
                strokes.push_back({previous.x, previous.last, column.x, column.first});
            }
            strokes.push_back({column.x, column.top, column.x, column.bottom});
        }
    }
    return strokes;
}

}  // namespace tess
