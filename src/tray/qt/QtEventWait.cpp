#include "tray/qt/QtEventWait.h"

#include <QTimer>

namespace tess {

void QtEventWait::WaitUntil(const std::function<bool()>& done, int timeoutMs) {
    if (timeoutMs <= 0 || done()) return;

    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(timeoutMs);

    // Waits nest, so the innermost one always ends first.
    running_.push_back({&done, &loop});
    loop.exec();
    running_.pop_back();
}

void QtEventWait::Wake() {
    for (const RunningWait& wait : running_) {
        if ((*wait.done)()) wait.loop->quit();
    }
}

}  // namespace tess
