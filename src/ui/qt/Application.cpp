#include "ui/qt/Application.h"

#include <QApplication>
#include <QSessionManager>

#include "ui/qt/AppServices.h"
#include "ui/Form1.h"
#include "ui/Ghost.h"
#include "ui/qt/ProcessEnd.h"
#include "ui/qt/TerminationSignals.h"

namespace tess {

int RunApplication(int argc, char** argv) {
    QApplication app(argc, argv);
    AppServices services;
    Ghost ghost({.dialogs = services.dialogs, .launcher = *services.platform.launcher});
    // Reading the support window's icon loads that window, hidden.
    Form1 form(services.ForForm1([&ghost] {
        ghost.Form_Load();
        return ghost.windowIcon();
    }));
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
