#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/ZonedTime.h"
#include "history/HealthLedger.h"

namespace tess {

// A battery as the ledger tells one from another: the rows of one battery
// share its name, maker, model and serial number.
struct BatteryIdentity {
    std::string name;
    std::string manufacturer;
    std::string model;
    std::string serial;
    friend bool operator==(const BatteryIdentity&, const BatteryIdentity&) = default;
};

BatteryIdentity IdentityOf(const BatteryDetails& battery);

// A battery's full-charge capacity as a percent of its design capacity at one
// sample, with its cycle count where it gives one.
struct CapacityPoint {
    ZonedMoment time;
    double percentOfDesign = 0;
    std::optional<std::int64_t> cycleCount;
};

// The capacity history of one battery over the ledger's whole span.
struct BatteryCapacity {
    BatteryIdentity identity;
    BatteryDetails latest;  // its details at its latest row
    ZonedMoment latestTime;
    // In the order of time; only rows that give both capacities have a point.
    std::vector<CapacityPoint> points;
};

// One history per battery, in the order they first appear in the ledger.
std::vector<BatteryCapacity> CapacityHistory(const std::vector<LedgerRow>& rows);

// What a battery's history comes to: where its capacity stands and how it
// moved in the last six months (or since its first point, when the history
// is shorter).
struct HealthSummary {
    double percent = 0;  // of design, at the latest point
    std::optional<std::int64_t> cycleCount;
    // Percentage points gained since `since` (negative: lost); none with a
    // single point.
    std::optional<double> change;
    ZonedMoment since;
    bool sixMonths = false;  // `since` is the point six months back, not the first
};

// None for a battery without a point (one that gives no design capacity).
std::optional<HealthSummary> SummarizeHealth(const BatteryCapacity& battery);

// The capacity of all the batteries together at one sample of the ledger:
// their full-charge capacities over their design capacities.
struct HealthPoint {
    ZonedMoment time;
    double ratio = 0;
};

// One point per sample that gives both capacities of a battery, in the order of time.
std::vector<HealthPoint> CombinedHealth(const std::vector<LedgerRow>& rows);

}  // namespace tess
