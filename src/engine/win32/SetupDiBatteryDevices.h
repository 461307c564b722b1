#pragma once

#include "engine/BatteryDevices.h"

namespace tess {

// The battery class devices that SetupDi lists under the battery device
// interface (GUID_DEVICE_BATTERY), each opened with CreateFileW for the time
// of its reading, its requests sent with DeviceIoControl.
class SetupDiBatteryDevices : public BatteryDevices {
public:
    void ForEach(const std::function<void(BatteryDevice&)>& read) override;
};

}  // namespace tess
