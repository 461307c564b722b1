#pragma once

#include <memory>

#include "engine/BatteryDetails.h"
#include "engine/DateTimeText.h"
#include "engine/PowerStatus.h"
#include "settings/AutostartEntry.h"
#include "settings/SettingsStore.h"
#include "settings/StartupRegistration.h"
#include "tray/EventWait.h"
#include "tray/TrayShell.h"
#include "ui/Launcher.h"
#include "ui/OneCopy.h"

namespace tess {

// The services that differ from one platform to the next.
struct PlatformServices {
    std::unique_ptr<PowerSource> power;
    std::unique_ptr<BatteryDetailsSource> batteries;
    std::unique_ptr<DateTimeFormat> format;
    std::unique_ptr<SettingsStore> store;
    std::unique_ptr<Launcher> launcher;
    std::unique_ptr<AutostartEntry> autostart;
    std::unique_ptr<StartupRegistration> startup;
    std::unique_ptr<TrayShell> trayShell;
    std::unique_ptr<EventWait> trayWait;
};

// The running platform's services. Needs the application object.
PlatformServices MakePlatformServices();

// The platform's way of keeping one running copy per user session. Needs the
// application object; asked before anything else is read or written.
std::unique_ptr<OneCopy> MakeOneCopy();

}  // namespace tess
