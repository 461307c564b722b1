#pragma once

#include "engine/BatteryDevices.h"
#include "engine/IoctlBatteryDetails.h"

namespace tess {

// The battery class devices that SetupDi lists under the battery device
// interface (GUID_DEVICE_BATTERY), each opened with CreateFileW for the time
// of its reading, its requests sent with DeviceIoControl.
class SetupDiBatteryDevices : public BatteryDevices {
public:
    void ForEach(const std::function<void(BatteryDevice&)>& read) override;
};

// The details of the system's batteries, read from those devices.
class Win32BatteryDetails : public BatteryDetailsSource {
public:
    std::vector<BatteryDetails> ReadBatteries() override { return details_.ReadBatteries(); }

private:
    SetupDiBatteryDevices devices_;
    IoctlBatteryDetails details_{devices_};
};

}  // namespace tess
