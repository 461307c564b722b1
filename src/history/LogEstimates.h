#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "history/DischargeAnalysis.h"
#include "history/Sample.h"

namespace tess {

// Estimates that the log alone gives.

// A run on battery broken by a gap (sleep, shutdown, the program closed)
// after which it goes on on battery at a lower charge. What happened in the
// gap is not known: the computer may have run on its charger for part of it.
// The loss per hour over the whole gap is therefore a lower bound of the loss
// off the charger.
struct GapLoss {
    std::int64_t start = 0;  // the last entry before the gap, and the first after
    std::int64_t end = 0;
    int fromPercent = 0;
    int toPercent = 0;
    double perHour = 0;  // points an hour, at least
};

// The gaps between two sessions that follow one another directly, with a
// lower charge after them, in the order of the log.
std::vector<GapLoss> GapLosses(const DischargeAnalysis& analysis);

// The drain of the days before the log's latest entry, taken steadily: the
// points the sessions of those days lost over the hours they lasted.
inline constexpr std::int64_t kSteadyDays = 7;

struct SteadyEstimate {
    double drainPerHour = 0;
    // The charge it applies to: the latest entry's on battery; a full charge
    // (100) when the latest entry is on AC or gives no charge.
    int percent = 100;
    bool onBattery = false;
    double hours = 0;  // how long that charge lasts at that drain
    // The time left that the latest entry logged, in seconds, where it gave one.
    std::optional<std::int32_t> loggedRemaining;
};

// None when the charge did not fall in the sessions of those days.
std::optional<SteadyEstimate> SteadyEstimateOf(const std::vector<Sample>& samples,
                                               const DischargeAnalysis& analysis);

// How the time left the platform logged compared with what followed: for each
// entry of a session that lost kMinDropForWeek points or more after it, the
// logged time over how long its charge would have lasted at the drain that
// followed it to the session's end.
struct TimeLeftCheck {
    double medianRatio = 0;  // 1.2: the logged times were 20 % too long
    std::size_t entries = 0;
};

// None when no entry can be compared.
std::optional<TimeLeftCheck> CheckTimeLeft(const std::vector<Sample>& samples,
                                           const DischargeAnalysis& analysis);

}  // namespace tess
