#include "ui/qt/QtTickTimer.h"

#include <utility>

namespace tess {

// A precise timer: Qt's default, coarse one moves its time-outs by up to 5 %
// to meet other timers.
QtTickTimer::QtTickTimer(SteadyNow now) : GridTickTimer(std::move(now)) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Arrived(); });
}

}  // namespace tess
