#include "ui/qt/PlatformServices.h"

#include <QCoreApplication>

#include "engine/linux/SysfsBatteryDetails.h"
#include "engine/linux/SysfsPowerSource.h"
#include "settings/linux/IniSettingsStore.h"
#include "settings/mStartUp.h"
#include "tray/qt/QtEventWait.h"
#include "tray/qt/QtTrayShell.h"
#include "ui/linux/LocalSocketOneCopy.h"
#include "ui/linux/XdgLauncher.h"
#include "ui/qt/QtDateTimeFormat.h"

namespace tess {

PlatformServices MakePlatformServices() {
    PlatformServices services;
    services.power = std::make_unique<SysfsPowerSource>(SysfsPowerSource::DefaultFolder());
    services.batteries = std::make_unique<SysfsBatteryDetails>(SysfsPowerSource::DefaultFolder());
    services.format = std::make_unique<QtDateTimeFormat>();
    services.store = std::make_unique<IniSettingsStore>(IniSettingsStore::DefaultFolder());
    services.launcher = std::make_unique<XdgLauncher>();
    services.autostart = MakePlatformAutostartEntry();
    services.startup = std::make_unique<mStartUp>(
        *services.autostart, [] { return QCoreApplication::applicationFilePath().toStdString(); });
    services.trayShell = std::make_unique<QtTrayShell>();
    services.trayWait = std::make_unique<QtEventWait>();
    return services;
}

std::unique_ptr<OneCopy> MakeOneCopy() {
    return std::make_unique<LocalSocketOneCopy>();
}

}  // namespace tess
