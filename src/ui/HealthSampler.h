#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/ZonedTime.h"
#include "engine/BatteryDetails.h"
#include "ui/Diagnostics.h"
#include "ui/TickTimer.h"

namespace tess {

// Everything the health sampler uses; all of it outlives the sampler.
struct HealthSamplerServices {
    BatteryDetailsSource& batteries;
    const ZonedClock& clock;
    // The sampler's own timer, apart from the log's: a check never delays an entry.
    TickTimer& timer;
    // Where a record that cannot be written is named.
    Diagnostics& diagnostics;
    // The health ledger (HealthLedger.h); "" keeps none.
    std::string ledgerPath;
};

// Keeps the battery health ledger while the program runs: the batteries'
// details go to the ledger at the start, once a day after that, and at once
// when a check, every ten minutes, finds that they changed (a battery's
// capacity or cycle count, a battery added, taken out or swapped). A check
// reads the batteries' details only (well under a millisecond) and runs on its
// own timer. A machine without batteries writes nothing. A record that cannot
// be written goes to the diagnostics, once while the failure stays the same,
// and is tried again at the next check.
class HealthSampler {
public:
    static constexpr int kCheckMilliseconds = 10 * 60 * 1000;
    static constexpr std::int64_t kDaySeconds = 24 * 3600;

    explicit HealthSampler(const HealthSamplerServices& services);

    // Takes the first sample and sets the checks going.
    void Start();

private:
    void Check(bool start);

    HealthSamplerServices s_;
    // What the ledger was last given, and when (UTC).
    std::optional<std::vector<BatteryDetails>> written_;
    std::int64_t writtenAt_ = 0;
    std::string failure_;
};

// The ledger in the program's data folder, "" where the platform names none.
std::string DefaultLedgerPath();

}  // namespace tess
