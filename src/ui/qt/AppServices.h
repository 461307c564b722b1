#pragma once

#include <QIcon>
#include <functional>

#include "common/SystemClock.h"
#include "engine/LogFile.h"
#include "ui/Form1Services.h"
#include "ui/qt/PlatformServices.h"
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

    // The main window's services over these, with its icon taken from `ghostIcon`.
    Form1Services ForForm1(std::function<QIcon()> ghostIcon = {});
};

}  // namespace tess
