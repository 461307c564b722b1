#include "ui/Application.h"

#include <QApplication>
#include <QSessionManager>

#include "common/SystemClock.h"
#include "engine/LogFile.h"
#include "ui/Form1.h"
#include "ui/Ghost.h"
#include "ui/PlatformServices.h"
#include "ui/ProcessEnd.h"
#include "ui/QtDialogs.h"
#include "ui/QtTickTimer.h"
#include "ui/TerminationSignals.h"

namespace tess {

int RunApplication(int argc, char** argv) {
    QApplication app(argc, argv);
    PlatformServices platform = MakePlatformServices();
    SystemClock clock;
    DurableLogWriter writer;
    QtDialogs dialogs;
    QtTickTimer timer1;
    Ghost ghost({.dialogs = dialogs, .launcher = *platform.launcher});

    Form1 form({.dialogs = dialogs,
                .clock = clock,
                .format = *platform.format,
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

    // Every way of asking the program to end runs the main window's close
    // handling, which ends the process: the window's close (close box, system
    // menu, Alt+F4), the end of the session, and the system's termination signals.
    // The program does not end when its last visible window goes.
    app.setQuitOnLastWindowClosed(false);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &form,
                     [&form](QSessionManager&) { form.Form_QueryUnload(); });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &form,
                     [&form] { form.Form_QueryUnload(); });
    const TerminationSignals termination([&form] { form.Form_QueryUnload(); });

    form.Form_Load();
    // A window the load left minimised goes into the tray here, with its balloon.
    form.show();
    return RunEventLoop();
}

}  // namespace tess
