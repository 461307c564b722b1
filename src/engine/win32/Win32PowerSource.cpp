#include "engine/win32/Win32PowerSource.h"

#include <windows.h>

#include <cstddef>
#include <cstdint>

namespace tess {

Win32PowerSource::Win32PowerSource() : query_(&::GetSystemPowerStatus) {}

void Win32PowerSource::GetSystemPowerStatus(PowerStatus& status) {
    SYSTEM_POWER_STATUS record;
    ZeroMemory(&record, sizeof record);
    (void)query_(&record);
    status.ACLineStatus = record.ACLineStatus;
    status.BatteryFlag = record.BatteryFlag;
    status.BatteryLifePercent = record.BatteryLifePercent;
    // The fourth byte is SystemStatusFlag in the Windows SDK and Reserved1 in
    // MinGW-w64's headers: it is read by its place, which both agree on.
    status.SystemStatusFlag = reinterpret_cast<const std::uint8_t*>(
        &record)[offsetof(SYSTEM_POWER_STATUS, BatteryLifePercent) + 1];
    status.BatteryLifeTime = record.BatteryLifeTime;
    status.BatteryFullLifeTime = record.BatteryFullLifeTime;
}

}  // namespace tess
