#pragma once

#include <functional>
#include <string>

#include "common/AppTitle.h"
#include "common/Clock.h"
#include "common/Dialogs.h"
#include "engine/DateTimeText.h"
#include "engine/LogFile.h"
#include "engine/PowerStatus.h"
#include "settings/DefaultLogPath.h"
#include "settings/SettingsStore.h"
#include "settings/StartupRegistration.h"
#include "tray/EventWait.h"
#include "tray/TrayShell.h"
#include "ui/Clipboard.h"
#include "ui/Diagnostics.h"
#include "ui/Launcher.h"
#include "ui/history/HistoryView.h"
#include "ui/Main.h"
#include "ui/TickTimer.h"

namespace tess {

class Ghost;

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
    Clipboard& clipboard;
    Diagnostics& diagnostics;
    // Timer1, the one-second tick of automatic logging.
    TickTimer& timer1;
    // The notification area of cSysTray1.
    TrayShell& trayShell;
    EventWait& trayWait;
    // The support window, which the load takes the window icon from.
    Ghost& ghost;
    // Lets the events pending at that moment run, once.
    std::function<void()> yield;
    // Ends the process at once: no further event handler of the program runs.
    std::function<void()> endProcess;
    // A whole number from 1 to 100, drawn at the clock's time.
    std::function<int(const Clock&)> drawHomePageNumber = DrawHomePageNumber;
    // The platform's default log path (from TEMP).
    std::function<std::string()> defaultLogPath = [] {
        return ComputeDefaultLogPath(kProductTitle);
    };
    // Where the optional files are looked up; empty: the program folder.
    std::string programFolder = {};
    // The battery history window; none where the toolkit has none.
    HistoryView* history = nullptr;
};

}  // namespace tess
