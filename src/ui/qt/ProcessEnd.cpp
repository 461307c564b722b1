#include "ui/qt/ProcessEnd.h"

#include <QCoreApplication>
#include <QEvent>

namespace tess {

namespace {

bool ended = false;

// Keeps the window system's events (input, close requests, state changes) away
// from every object once the program has ended.
class InputGate : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* /*watched*/, QEvent* event) override { return event->spontaneous(); }
};

}  // namespace

void EndProcess() {
    if (ended) return;
    ended = true;
    QCoreApplication* const app = QCoreApplication::instance();
    app->installEventFilter(new InputGate(app));
    // exit(), not quit(): quit() asks the windows whether they may close and so
    // can be refused, and it raises their close handling once more.
    QCoreApplication::exit(0);
}

int RunEventLoop() {
    return ended ? 0 : QCoreApplication::exec();
}

}  // namespace tess
