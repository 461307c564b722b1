#pragma once

#include <string>
#include <vector>

#include "engine/BatteryDetails.h"

namespace tess {

// The details of the system's batteries from the kernel's power-supply class
// folder, with the same rules for its folders as SysfsPowerSource: the
// batteries present and not a device's, in the order of their folders' names.
// Capacities in charge (µAh) become energy at the battery's nominal voltage, as
// the desktop's power daemon takes them: voltage_min_design, else
// voltage_max_design, else the voltage now; a battery that gives none of them
// has no capacity in mWh here, rather than one at a guessed voltage.
class SysfsBatteryDetails : public BatteryDetailsSource {
public:
    // `folder` is the power-supply class folder (SysfsPowerSource::DefaultFolder()).
    explicit SysfsBatteryDetails(std::string folder);

    std::vector<BatteryDetails> ReadBatteries() override;

private:
    std::string folder_;
};

}  // namespace tess
