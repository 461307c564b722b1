#include "ui/Application.h"

#include <QApplication>

#include "common/SystemClock.h"
#include "engine/LogFile.h"
#include "ui/Form1.h"
#include "ui/Ghost.h"
#include "ui/PlatformServices.h"
#include "ui/QtDateTimeFormat.h"
#include "ui/QtDialogs.h"
#include "ui/QtTickTimer.h"

namespace tess {

int RunApplication(int argc, char** argv) {
    QApplication app(argc, argv);
    PlatformServices platform = MakePlatformServices();
    SystemClock clock;
    QtDateTimeFormat format;
    DurableLogWriter writer;
    QtDialogs dialogs;
    QtTickTimer timer1;
    Ghost ghost({.dialogs = dialogs, .launcher = *platform.launcher});

    Form1 form({.dialogs = dialogs,
                .clock = clock,
                .format = format,
                .power = *platform.power,
                .writer = writer,
                .store = *platform.store,
                .startup = *platform.startup,
                .launcher = *platform.launcher,
                .timer1 = timer1,
                .trayShell = *platform.trayShell,
                .trayWait = *platform.trayWait,
                // Reading the support window's icon loads that window, hidden.
                .ghostIcon = [&ghost] {
                    ghost.Form_Load();
                    return ghost.windowIcon();
                }});
    ghost.ShowOnHelpKey(form);
    form.Form_Load();
    form.show();
    return app.exec();
}

}  // namespace tess
