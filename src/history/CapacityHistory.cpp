#include "history/CapacityHistory.h"

#include <algorithm>

#include "common/CivilTime.h"

namespace tess {

namespace {

bool HasCapacities(const BatteryDetails& battery) {
    return battery.designCapacity && *battery.designCapacity > 0 && battery.fullChargeCapacity;
}

bool Earlier(const ZonedMoment& a, const ZonedMoment& b) {
    return a.utc < b.utc;
}

// The same date and time of day six calendar months before, on the local
// clock; the last day of the month where that month is shorter.
std::int64_t SixMonthsBefore(std::int64_t local) {
    LocalDateTime moment = CivilFromSeconds(local);
    moment.month -= 6;
    if (moment.month < 1) {
        moment.month += 12;
        --moment.year;
    }
    moment.day = std::min(moment.day, DaysInMonth(moment.year, moment.month));
    return SecondsOf(moment);
}

}  // namespace

BatteryIdentity IdentityOf(const BatteryDetails& battery) {
    return {battery.name, battery.manufacturer, battery.model, battery.serial};
}

std::vector<BatteryCapacity> CapacityHistory(const std::vector<LedgerRow>& rows) {
    std::vector<BatteryCapacity> batteries;
    for (const LedgerRow& row : rows) {
        const BatteryIdentity identity = IdentityOf(row.battery);
        auto found = std::find_if(batteries.begin(), batteries.end(),
                                  [&](const BatteryCapacity& b) { return b.identity == identity; });
        if (found == batteries.end()) {
            found = batteries.insert(batteries.end(), {identity, row.battery, row.time, {}});
        } else if (!Earlier(row.time, found->latestTime)) {
            found->latest = row.battery;
            found->latestTime = row.time;
        }
        if (HasCapacities(row.battery)) {
            found->points.push_back({row.time,
                                     100.0 * static_cast<double>(*row.battery.fullChargeCapacity) /
                                         static_cast<double>(*row.battery.designCapacity),
                                     row.battery.cycleCount});
        }
    }
    for (BatteryCapacity& battery : batteries) {
        std::stable_sort(
            battery.points.begin(), battery.points.end(),
            [](const CapacityPoint& a, const CapacityPoint& b) { return Earlier(a.time, b.time); });
    }
    return batteries;
}

std::optional<HealthSummary> SummarizeHealth(const BatteryCapacity& battery) {
    const std::vector<CapacityPoint>& points = battery.points;
    if (points.empty()) return std::nullopt;
    const CapacityPoint& latest = points.back();
    HealthSummary summary;
    summary.percent = latest.percentOfDesign;
    summary.cycleCount = latest.cycleCount;
    if (points.size() == 1) return summary;
    const std::int64_t cut = SixMonthsBefore(latest.time.Local());
    // The last point at or before the cut; the first one when none is.
    const auto after = std::find_if(points.begin(), points.end(),
                                    [&](const CapacityPoint& p) { return p.time.Local() > cut; });
    summary.sixMonths = after != points.begin();
    const CapacityPoint& then = summary.sixMonths ? *(after - 1) : points.front();
    summary.since = then.time;
    summary.change = latest.percentOfDesign - then.percentOfDesign;
    return summary;
}

std::vector<HealthPoint> CombinedHealth(const std::vector<LedgerRow>& rows) {
    std::vector<HealthPoint> points;
    // The rows of one sample follow one another and share its time.
    for (std::size_t i = 0; i < rows.size();) {
        const ZonedMoment time = rows[i].time;
        double design = 0;
        double full = 0;
        for (; i < rows.size() && rows[i].time == time; ++i) {
            if (!HasCapacities(rows[i].battery)) continue;
            design += static_cast<double>(*rows[i].battery.designCapacity);
            full += static_cast<double>(*rows[i].battery.fullChargeCapacity);
        }
        if (design > 0) points.push_back({time, full / design});
    }
    std::stable_sort(points.begin(), points.end(), [](const HealthPoint& a, const HealthPoint& b) {
        return Earlier(a.time, b.time);
    });
    return points;
}

}  // namespace tess
