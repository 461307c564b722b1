#include "history/TimeAxis.h"

#include <algorithm>
#include <array>

#include "common/CivilTime.h"
#include "common/LocalZone.h"

namespace tess {

namespace {

constexpr std::int64_t kHour = 3600;
constexpr std::int64_t kDay = kSecondsPerDay;
constexpr std::int64_t kWeek = 7 * kDay;
// The steps that divide a day evenly, then two days and a week.
constexpr std::array<std::int64_t, 20> kSteps{
    1,   2,    5,     10,        15,        30,        60,         120,  300,      600,
    900, 1800, kHour, 2 * kHour, 3 * kHour, 6 * kHour, 12 * kHour, kDay, 2 * kDay, kWeek};
// Then months: 1, 2, 3, 6, then years of 1, 2, 5, 10, 20, 50, ...
constexpr std::int64_t kMeanMonth = 2629746;

std::int64_t MonthIndex(const LocalDateTime& m) {
    return std::int64_t{m.year} * 12 + m.month - 1;
}

std::int64_t StartOfMonth(std::int64_t index) {
    const auto year = static_cast<int>(FloorDiv(index, 12));
    const auto month = static_cast<int>(index - std::int64_t{year} * 12) + 1;
    return DaysFromCivil(year, month, 1) * kDay;
}

std::int64_t NextMonthStep(std::int64_t months) {
    static constexpr std::array<std::int64_t, 4> kMonths{1, 2, 3, 6};
    for (const std::int64_t m : kMonths) {
        if (m > months) return m;
    }
    for (std::int64_t years = 1;; years *= 10) {
        for (const std::int64_t factor : {1, 2, 5}) {
            if (years * factor * 12 > months) return years * factor * 12;
        }
    }
}

std::string Label(std::int64_t time, bool dateOnly, const DateTimeFormat& format) {
    const LocalDateTime moment = CivilFromSeconds(time);
    return dateOnly || moment.IsMidnight() ? format.ShortDate(moment) : format.LongTime(moment);
}

}  // namespace

int TimeScale::X(std::int64_t time) const {
    if (to <= from || width <= 0) return 0;
    // Within int64 for any span of years and any screen width.
    const std::int64_t x = (std::clamp(time, from, to) - from) * width / (to - from);
    return static_cast<int>(std::min<std::int64_t>(x, width - 1));
}

std::vector<AxisTick> TimeTicks(const TimeScale& scale, int spacing, std::int64_t minStep,
                                const DateTimeFormat& format) {
    std::vector<AxisTick> ticks;
    const std::int64_t span = scale.to - scale.from;
    if (span <= 0 || scale.width <= 0) return ticks;
    // The local clock's times over the scale, each ticked at its moment. A
    // tick mostly keeps the offset of the one before; across a change of the
    // clock the zone is asked again.
    std::int64_t offset = UtcOffsetAt(scale.from);
    const std::int64_t from = scale.from + offset;
    const std::int64_t to = scale.to + UtcOffsetAt(scale.to);
    const auto add = [&](std::int64_t local, bool dateOnly) {
        std::int64_t moment = local - offset;
        if (UtcOffsetAt(moment) != offset) {
            const LocalMoments moments = MomentsOf(local);
            if (moments.count == 0) return;
            moment = moments.first >= scale.from ? moments.first : moments.second;
            offset = local - moment;
        }
        if (moment < scale.from || moment > scale.to) return;
        ticks.push_back({scale.X(moment), Label(local, dateOnly, format)});
    };
    spacing = std::max(spacing, 1);
    // The shortest step that leaves `spacing` pixels between ticks.
    const auto fits = [&](std::int64_t step) {
        return static_cast<long double>(step) * scale.width / static_cast<long double>(span) >=
               spacing;
    };
    for (const std::int64_t step : kSteps) {
        if (step < minStep || !fits(step)) continue;
        std::int64_t t =
            step == kWeek ? MondayOf(FloorDiv(from, kDay)) * kDay : FloorDiv(from, step) * step;
        if (t < from) t += step;
        for (; t <= to; t += step) add(t, step >= kDay);
        return ticks;
    }
    std::int64_t months = 1;
    while (!fits(months * kMeanMonth)) months = NextMonthStep(months);
    std::int64_t index = FloorDiv(MonthIndex(CivilFromSeconds(from)), months) * months;
    if (StartOfMonth(index) < from) index += months;
    for (; StartOfMonth(index) <= to; index += months) add(StartOfMonth(index), true);
    return ticks;
}

}  // namespace tess
