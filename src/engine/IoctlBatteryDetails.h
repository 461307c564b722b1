#pragma once

#include <vector>

#include "engine/BatteryDetails.h"
#include "engine/BatteryDevices.h"

namespace tess {

// The details of the system's batteries from their class devices, as Windows
// gives them: each device's tag, then its BatteryInformation (capacities in
// mWh, cycle count, chemistry) and its device name, maker and serial number.
// A device with no battery in its slot, a UPS and a device's own battery are
// passed over; capacities the battery gives only relative to each other are no
// mWh, so they are left out, as are capacities and counts of 0 and unknown ones.
class IoctlBatteryDetails : public BatteryDetailsSource {
public:
    // `devices` outlives this.
    explicit IoctlBatteryDetails(BatteryDevices& devices) : devices_(devices) {}

    std::vector<BatteryDetails> ReadBatteries() override;

private:
    BatteryDevices& devices_;
};

}  // namespace tess
