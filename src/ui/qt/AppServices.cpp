#include "ui/qt/AppServices.h"

#include <QCoreApplication>

#include "ui/qt/ProcessEnd.h"

namespace tess {

GhostServices AppServices::ForGhost() {
    return {.dialogs = dialogs, .launcher = *platform.launcher, .diagnostics = diagnostics};
}

Form1Services AppServices::ForForm1(Ghost& ghost, HistoryView* history) {
    return {.dialogs = dialogs,
            .clock = clock,
            .format = *platform.format,
            .power = *platform.power,
            .writer = writer,
            .store = *platform.store,
            .startup = *platform.startup,
            .launcher = *platform.launcher,
            .clipboard = clipboard,
            .diagnostics = diagnostics,
            .timer1 = timer1,
            .trayShell = *platform.trayShell,
            .trayWait = *platform.trayWait,
            .ghost = ghost,
            .yield = [] { QCoreApplication::processEvents(); },
            .endProcess = EndProcess,
            .history = history};
}

HealthSamplerServices AppServices::ForHealth() {
    return {*platform.batteries, zonedClock, healthTimer, diagnostics, DefaultLedgerPath()};
}

}  // namespace tess
