#pragma once

#include <string>

#include "engine/PowerStatus.h"

namespace tess {

// The power status as the kernel's power-supply class reports it, read the way
// desktop power daemons read it, combined into one record as a composite battery.
class SysfsPowerSource : public PowerSource {
public:
    // `folder` is the power-supply class folder (normally /sys/class/power_supply).
    explicit SysfsPowerSource(std::string folder);

    // The folder named by TESSALINE_POWER_SUPPLY_DIR, else /sys/class/power_supply.
    static std::string DefaultFolder();

    void GetSystemPowerStatus(PowerStatus& status) override;

private:
    std::string folder_;
};

}  // namespace tess
