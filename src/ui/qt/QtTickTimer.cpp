#include "ui/qt/QtTickTimer.h"

#include <utility>

namespace tess {

// A precise timer: Qt's default, coarse one may fire up to 5 % early, which
// puts two entries of "Log every 1 second" into the same second.
QtTickTimer::QtTickTimer() {
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        if (handler_) handler_();
    });
}

void QtTickTimer::SetInterval(int milliseconds) {
    if (milliseconds == interval_) return;
    interval_ = milliseconds;
    Apply();
}

void QtTickTimer::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Apply();
}

void QtTickTimer::OnTick(std::function<void()> handler) {
    handler_ = std::move(handler);
}

void QtTickTimer::Apply() {
    if (enabled_ && interval_ > 0) {
        timer_.start(interval_);
    } else {
        timer_.stop();
    }
}

}  // namespace tess
