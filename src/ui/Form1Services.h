#pragma once

#include <QIcon>
#include <functional>
#include <string>

#include "common/Clock.h"
#include "common/Dialogs.h"
#include "engine/DateTimeText.h"
#include "engine/LogFile.h"
#include "engine/PowerStatus.h"
#include "settings/SettingsStore.h"
#include "settings/StartupRegistration.h"
#include "tray/EventWait.h"
#include "tray/TrayShell.h"
#include "ui/Launcher.h"
#include "ui/TickTimer.h"

namespace tess {

// Everything the main window uses from outside itself; all of it outlives the window.
struct Form1Services {
    Dialogs& dialogs;
    const Clock& clock;
    const DateTimeFormat& format;
    PowerSource& power;
    LogWriter& writer;
    SettingsStore& store;
    StartupRegistration& startup;
    Launcher& launcher;
    // Timer1, the one-second tick of automatic logging.
    TickTimer& timer1;
    // The notification area of cSysTray1.
    TrayShell& trayShell;
    EventWait& trayWait;
    // A whole number from 1 to 100; empty: DrawHomePageNumber.
    std::function<int()> drawHomePageNumber = {};
    // Lets pending events run once; empty: QCoreApplication::processEvents.
    std::function<void()> yield = {};
    // Ends the process at once; empty: EndProcess (ui/ProcessEnd.h).
    std::function<void()> endProcess = {};
    // The window icon, taken from the support window; empty: none.
    std::function<QIcon()> ghostIcon = {};
    // Where the optional files are looked up; empty: the program folder.
    std::string programFolder = {};
};

}  // namespace tess
