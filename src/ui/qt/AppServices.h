#pragma once

#include "common/SystemClock.h"
#include "common/ZonedTime.h"
#include "engine/LogFile.h"
#include "ui/Diagnostics.h"
#include "ui/Form1Services.h"
#include "ui/Ghost.h"
#include "ui/HealthSampler.h"
#include "ui/qt/PlatformServices.h"
#include "ui/qt/QtClipboard.h"
#include "ui/qt/QtDialogs.h"
#include "ui/qt/QtTickTimer.h"

namespace tess {

// The real services of one run, shared by the program's windows. Needs the
// application object.
struct AppServices {
    PlatformServices platform = MakePlatformServices();
    SystemClock clock;
    DurableLogWriter writer;
    QtDialogs dialogs;
    QtTickTimer timer1;
    QtClipboard clipboard;
    StandardErrorDiagnostics diagnostics;
    SystemZonedClock zonedClock;
    QtTickTimer healthTimer;

    // The support window's services over these.
    GhostServices ForGhost();
    // The main window's services over these, with `ghost` as its support window
    // and `history` as its battery history window.
    Form1Services ForForm1(Ghost& ghost, HistoryView* history = nullptr);
    // The health ledger's sampler's services over these.
    HealthSamplerServices ForHealth();
};

}  // namespace tess
