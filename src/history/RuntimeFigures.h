#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "history/CapacityHistory.h"
#include "history/DischargeAnalysis.h"

namespace tess {

// What the battery's wear costs in runtime: the log's discharge sessions tell
// the drain as a percent of today's full charge, the ledger how that full
// charge compares with the design capacity. The same drain in watts empties a
// battery at design capacity 1 / health times later.

// The sessions that tell the user's drain now: those of the last four weeks
// before the log's latest entry, whose charge fell by kMinDropForWeek points
// or more.
inline constexpr std::int64_t kRecentDays = 28;

struct RuntimeNowAndNew {
    double drainPerHour = 0;  // the median of those sessions, percent an hour
    std::size_t sessions = 0;
    double hoursNow = 0;  // a full charge at that drain
    // The latest health of the ledger (CombinedHealth), and a full charge at
    // design capacity at the same drain; none without a ledger.
    std::optional<double> health;
    std::optional<double> hoursNew;
};

// None when no session of the last four weeks tells a drain.
std::optional<RuntimeNowAndNew> RuntimeAtRecentDrain(const DischargeAnalysis& analysis,
                                                     const std::vector<HealthPoint>& health);

// A week of the weekly runtime with the health of its time: the latest point
// of the ledger before the week's end. Weeks before the ledger's first point
// have none.
struct DesignRuntime {
    std::int64_t weekStart = 0;  // as WeekRuntime
    double medianHours = 0;      // as WeekRuntime
    double health = 0;
    double designHours = 0;  // what that week's drain gives at design capacity
};

std::vector<DesignRuntime> DesignRuntimeByWeek(const std::vector<WeekRuntime>& weeks,
                                               const std::vector<HealthPoint>& health);

// The change of the weekly runtime from the first week with a health to the
// last, split into what the capacity's change made of it and what the change
// of the drain did: lost = wear + use, where wear = designThen × (healthThen −
// healthNow), the runtime the wear took at the drain then, and use =
// (designThen − designNow) × healthNow, what a heavier drain took at today's
// capacity. Positive parts shorten the runtime.
struct RuntimeSplit {
    std::int64_t fromWeek = 0;
    std::int64_t toWeek = 0;
    double hoursThen = 0;
    double hoursNow = 0;
    double wear = 0;
    double use = 0;
};

// None with fewer than two weeks that have a health.
std::optional<RuntimeSplit> SplitRuntimeChange(const std::vector<DesignRuntime>& weeks);

}  // namespace tess
