#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tess {

// What a battery tells of itself beside its charge: who it is and how much it
// holds. Texts are UTF-8, empty where the battery does not give them.
struct BatteryDetails {
    std::string name;  // the system's name for it ("BAT0"; on Windows the device name)
    std::string manufacturer;
    std::string model;
    std::string serial;
    // The energy it held when new and holds when full now, in mWh.
    std::optional<std::int64_t> designCapacity;
    std::optional<std::int64_t> fullChargeCapacity;
    // Charge cycles, where the battery counts them (a count of 0 is no count).
    std::optional<std::int64_t> cycleCount;
    std::string chemistry;  // as the system names it: "Li-ion", "LION"

    friend bool operator==(const BatteryDetails&, const BatteryDetails&) = default;
};

// Where the details of the system's batteries come from: a device's own
// battery (a mouse's, say) is none of them. Each call reads them afresh and
// holds nothing open after it; a machine without batteries gives none.
// Never throws.
class BatteryDetailsSource {
public:
    virtual ~BatteryDetailsSource() = default;
    // The batteries, in the same order from one call to the next.
    virtual std::vector<BatteryDetails> ReadBatteries() = 0;
};

}  // namespace tess
