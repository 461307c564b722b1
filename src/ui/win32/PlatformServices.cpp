#include "ui/qt/PlatformServices.h"

#include "common/Files.h"
#include "engine/win32/Win32DateTimeFormat.h"
#include "engine/win32/SetupDiBatteryDevices.h"
#include "engine/win32/Win32PowerSource.h"
#include "settings/mStartUp.h"
#include "settings/win32/RegistrySettingsStore.h"
#include "tray/qt/QtEventWait.h"
#include "tray/win32/Win32TrayShell.h"
#include "ui/win32/MutexOneCopy.h"
#include "ui/win32/Win32Launcher.h"

namespace tess {

PlatformServices MakePlatformServices() {
    PlatformServices services;
    services.power = std::make_unique<Win32PowerSource>();
    services.batteries = std::make_unique<Win32BatteryDetails>();
    services.format = std::make_unique<Win32DateTimeFormat>();
    services.store = std::make_unique<RegistrySettingsStore>();
    services.launcher = std::make_unique<Win32Launcher>();
    services.autostart = MakePlatformAutostartEntry();
    services.startup = std::make_unique<mStartUp>(*services.autostart, ExecutablePath);
    // The shell's own notification area, on a message-only window of this
    // thread, whose messages Qt's event loop dispatches like any other.
    services.trayShell = std::make_unique<Win32TrayShell>();
    services.trayWait = std::make_unique<QtEventWait>();
    return services;
}

std::unique_ptr<OneCopy> MakeOneCopy() {
    return std::make_unique<MutexOneCopy>();
}

}  // namespace tess
