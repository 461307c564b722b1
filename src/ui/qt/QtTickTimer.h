#pragma once

#include <QTimer>

#include "ui/TickTimer.h"

namespace tess {

// The tick timer over a QTimer of the user-interface thread.
class QtTickTimer : public TickTimer {
public:
    QtTickTimer();
    int Interval() const override { return interval_; }
    void SetInterval(int milliseconds) override;
    bool Enabled() const override { return enabled_; }
    void SetEnabled(bool enabled) override;
    void OnTick(std::function<void()> handler) override;

private:
    void Apply();

    QTimer timer_;
    int interval_ = 0;
    bool enabled_ = true;
    std::function<void()> handler_;
};

}  // namespace tess
