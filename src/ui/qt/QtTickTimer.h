#pragma once

#include <QTimer>

#include "ui/GridTickTimer.h"

namespace tess {

// The tick timer over a single-shot QTimer of the user-interface thread, set
// again for each tick of the grid.
class QtTickTimer : public GridTickTimer {
public:
    explicit QtTickTimer(SteadyNow now = SteadyClockNow);

private:
    void Arm(int milliseconds) override { timer_.start(milliseconds); }
    void Disarm() override { timer_.stop(); }

    QTimer timer_;
};

}  // namespace tess
