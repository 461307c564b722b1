#include "history/LogEstimates.h"

#include <algorithm>

#include "common/CivilTime.h"
#include "history/Median.h"

namespace tess {

std::vector<GapLoss> GapLosses(const DischargeAnalysis& analysis) {
    std::vector<GapLoss> gaps;
    const std::vector<DischargeSession>& sessions = analysis.Sessions();
    for (std::size_t i = 1; i < sessions.size(); ++i) {
        const DischargeSession& before = sessions[i - 1];
        const DischargeSession& after = sessions[i];
        // Two runs on battery side by side are parted by a gap; a clock put
        // back parts them too, but tells no duration.
        if (after.first != before.last + 1 || after.start <= before.end ||
            after.firstPercent >= before.lastPercent) {
            continue;
        }
        const double hours = static_cast<double>(after.start - before.end) / 3600;
        gaps.push_back({before.end, after.start, before.lastPercent, after.firstPercent,
                        (before.lastPercent - after.firstPercent) / hours});
    }
    return gaps;
}

std::optional<SteadyEstimate> SteadyEstimateOf(const std::vector<Sample>& samples,
                                               const DischargeAnalysis& analysis) {
    if (samples.empty()) return std::nullopt;
    const std::int64_t from = analysis.Latest() - kSteadyDays * kSecondsPerDay;
    double points = 0;
    double hours = 0;
    for (const DischargeSession& session : analysis.Sessions()) {
        if (session.start < from) continue;
        points += std::max(0, session.firstPercent - session.lastPercent);
        hours += static_cast<double>(session.Duration()) / 3600;
    }
    if (points <= 0 || hours <= 0) return std::nullopt;
    SteadyEstimate estimate;
    estimate.drainPerHour = points / hours;
    const Sample& latest = samples.back();
    estimate.onBattery = latest.HasLevel();
    if (estimate.onBattery) {
        estimate.percent = latest.percent;
        if (latest.remaining >= 0) estimate.loggedRemaining = latest.remaining;
    }
    estimate.hours = estimate.percent / estimate.drainPerHour;
    return estimate;
}

std::optional<TimeLeftCheck> CheckTimeLeft(const std::vector<Sample>& samples,
                                           const DischargeAnalysis& analysis) {
    std::vector<double> ratios;
    for (const DischargeSession& session : analysis.Sessions()) {
        if (session.firstPercent - session.lastPercent < DischargeAnalysis::kMinDropForWeek) {
            continue;
        }
        for (std::size_t j = session.first; j <= session.last && j < samples.size(); ++j) {
            const Sample& sample = samples[j];
            const int lost = sample.percent - session.lastPercent;
            if (!sample.HasLevel() || sample.remaining <= 0 || sample.time < session.start ||
                sample.time >= session.end || lost < DischargeAnalysis::kMinDropForWeek) {
                continue;
            }
            const double lasted = static_cast<double>(sample.percent) *
                                  static_cast<double>(session.end - sample.time) / lost;
            ratios.push_back(sample.remaining / lasted);
        }
    }
    if (ratios.empty()) return std::nullopt;
    return TimeLeftCheck{Median(ratios), ratios.size()};
}

}  // namespace tess
