#include "ui/Application.h"

#include <QApplication>

#include "ui/HealthSampler.h"
#include "ui/RunReported.h"
#include "ui/qt/AppServices.h"
#include "ui/qt/PlatformServices.h"
#include "ui/qt/ProcessEnd.h"
#include "ui/qt/QtDialogs.h"
#include "ui/qt/QtForm1.h"
#include "ui/qt/QtGhost.h"
#include "ui/qt/TerminationSignals.h"
#include "ui/qt/history/QtHistoryWindow.h"

namespace tess {

// A start that fails is reported in a box of its own.
int RunApplication(int argc, char** argv) {
    QApplication app(argc, argv);
    // The menu entry and the desktop's window list name the same application.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.quorvane.Tessaline"));
    QtDialogs dialogs;
    return RunReported(dialogs, [&app](const StartStep& step) {
        // A later start shows the running copy's window and ends here, before
        // it reads or writes anything.
        step(100);
        std::function<bool()> anotherStart;
        const std::unique_ptr<OneCopy> oneCopy = MakeOneCopy();
        if (!oneCopy->Claim([&anotherStart] { return !anotherStart || anotherStart(); })) {
            return 0;
        }

        step(102);
        AppServices services;
        step(104);
        QtGhost ghost(services.ForGhost());
        step(106);
        QtHistoryWindow history(*services.platform.format);
        step(108);
        QtForm1 window(services.ForForm1(ghost.Logic(), &history.Logic()));
        Form1& form = window.Logic();
        HealthSampler health(services.ForHealth());

        // Every way of asking the program to end runs the main window's close
        // handling, which ends the process: the window's close (close box,
        // system menu, Alt+F4), the end of the session, and the system's
        // termination signals. The program does not end when its last visible
        // window goes. The session's request to commit data is not an end: a
        // session manager also sends it for a checkpoint, after which the
        // session goes on; its real end comes as the application's termination,
        // which quits.
        step(110);
        app.setQuitOnLastWindowClosed(false);
        QObject::connect(&app, &QCoreApplication::aboutToQuit, &window,
                         [&form] { form.Form_QueryUnload(); });
        const TerminationSignals termination([&form] { form.Form_QueryUnload(); });

        anotherStart = [&form] { return form.AnotherStart(); };
        form.Form_Load();
        // A window the load left minimised goes into the tray here, with its balloon.
        form.Show();
        health.Start();
        step(112);
        return RunEventLoop();
    });
}

}  // namespace tess
