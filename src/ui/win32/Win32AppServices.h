#pragma once

#include <memory>

#include "common/Files.h"
#include "common/SystemClock.h"
#include "common/ZonedTime.h"
#include "common/win32/Win32Dialogs.h"
#include "engine/LogFile.h"
#include "engine/win32/SetupDiBatteryDevices.h"
#include "engine/win32/Win32DateTimeFormat.h"
#include "engine/win32/Win32PowerSource.h"
#include "settings/AutostartEntry.h"
#include "settings/mStartUp.h"
#include "settings/win32/RegistrySettingsStore.h"
#include "tray/win32/Win32EventWait.h"
#include "tray/win32/Win32TrayShell.h"
#include "ui/Diagnostics.h"
#include "ui/Form1Services.h"
#include "ui/Ghost.h"
#include "ui/win32/ProgramKeys.h"
#include "ui/HealthSampler.h"
#include "ui/win32/Win32Clipboard.h"
#include "ui/win32/Win32Launcher.h"
#include "ui/win32/Win32TickTimer.h"

namespace tess {

// The real services of one run of the Windows program, shared by its windows:
// all of them on the Win32 API, run by the thread's message loop.
struct Win32AppServices {
    Win32PowerSource power;
    Win32DateTimeFormat format;
    RegistrySettingsStore store;
    Win32Launcher launcher;
    std::unique_ptr<AutostartEntry> autostart = MakePlatformAutostartEntry();
    mStartUp startup{*autostart, ExecutablePath};
    Win32TrayShell trayShell;
    Win32EventWait trayWait{HandleProgramKeys};
    SystemClock clock;
    DurableLogWriter writer;
    Win32Dialogs dialogs;
    Win32TickTimer timer1;
    Win32Clipboard clipboard;
    StandardErrorDiagnostics diagnostics;
    Win32BatteryDetails batteries;
    SystemZonedClock zonedClock;
    Win32TickTimer healthTimer;

    // The support window's services over these.
    GhostServices ForGhost();
    // The main window's services over these, with `ghost` as its support window
    // and `history` as its battery history window.
    Form1Services ForForm1(Ghost& ghost, HistoryView* history = nullptr);
    // The health ledger's sampler's services over these.
    HealthSamplerServices ForHealth();
};

}  // namespace tess
