#include "history/RuntimeFigures.h"

#include <algorithm>

#include "common/CivilTime.h"
#include "history/Median.h"

namespace tess {

std::optional<RuntimeNowAndNew> RuntimeAtRecentDrain(const DischargeAnalysis& analysis,
                                                     const std::vector<HealthPoint>& health) {
    const std::int64_t from = analysis.Latest() - kRecentDays * kSecondsPerDay;
    std::vector<double> drains;
    for (const DischargeSession& session : analysis.Sessions()) {
        if (session.start >= from && session.Duration() > 0 &&
            session.firstPercent - session.lastPercent >= DischargeAnalysis::kMinDropForWeek) {
            drains.push_back(session.drainPerHour);
        }
    }
    if (drains.empty()) return std::nullopt;
    RuntimeNowAndNew runtime;
    runtime.drainPerHour = Median(drains);
    runtime.sessions = drains.size();
    runtime.hoursNow = 100 / runtime.drainPerHour;
    if (!health.empty() && health.back().ratio > 0) {
        runtime.health = health.back().ratio;
        runtime.hoursNew = runtime.hoursNow / *runtime.health;
    }
    return runtime;
}

std::vector<DesignRuntime> DesignRuntimeByWeek(const std::vector<WeekRuntime>& weeks,
                                               const std::vector<HealthPoint>& health) {
    std::vector<DesignRuntime> result;
    for (const WeekRuntime& week : weeks) {
        const std::int64_t end = week.weekStart + 7 * kSecondsPerDay;
        // The health points are in the order of time: the last one before the end.
        const auto after = std::find_if(health.begin(), health.end(), [&](const HealthPoint& p) {
            return p.time.Local() >= end;
        });
        if (after == health.begin() || (after - 1)->ratio <= 0) continue;
        const double ratio = (after - 1)->ratio;
        result.push_back({week.weekStart, week.medianHours, ratio, week.medianHours / ratio});
    }
    return result;
}

std::optional<RuntimeSplit> SplitRuntimeChange(const std::vector<DesignRuntime>& weeks) {
    if (weeks.size() < 2) return std::nullopt;
    const DesignRuntime& then = weeks.front();
    const DesignRuntime& now = weeks.back();
    RuntimeSplit split;
    split.fromWeek = then.weekStart;
    split.toWeek = now.weekStart;
    split.hoursThen = then.medianHours;
    split.hoursNow = now.medianHours;
    split.wear = then.designHours * (then.health - now.health);
    split.use = (then.designHours - now.designHours) * now.health;
    return split;
}

}  // namespace tess
