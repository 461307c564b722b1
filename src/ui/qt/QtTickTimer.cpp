#include "ui/qt/QtTickTimer.h"

#include <utility>

namespace tess {

QtTickTimer::QtTickTimer() {
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
