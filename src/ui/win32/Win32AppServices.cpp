#include "ui/win32/Win32AppServices.h"

#include "common/win32/MessagePump.h"
#include "ui/win32/ProcessEnd.h"

namespace tess {

GhostServices Win32AppServices::ForGhost() {
    return {.dialogs = dialogs, .launcher = launcher, .diagnostics = diagnostics};
}

Form1Services Win32AppServices::ForForm1(Ghost& ghost, HistoryView* history) {
    return {.dialogs = dialogs,
            .clock = clock,
            .format = format,
            .power = power,
            .writer = writer,
            .store = store,
            .startup = startup,
            .launcher = launcher,
            .clipboard = clipboard,
            .diagnostics = diagnostics,
            .timer1 = timer1,
            .trayShell = trayShell,
            .trayWait = trayWait,
            .ghost = ghost,
            .yield = [] { DispatchPendingMessages(HandleProgramKeys); },
            .endProcess = EndProcess,
            .history = history};
}

HealthSamplerServices Win32AppServices::ForHealth() {
    return {batteries, zonedClock, healthTimer, diagnostics, DefaultLedgerPath()};
}

}  // namespace tess
