#pragma once

#include <chrono>
#include <functional>
#include <utility>

#include "common/SteadyClock.h"
#include "ui/TickTimer.h"

namespace tess {

// A tick timer whose ticks keep to a fixed grid: each tick is due one period
// after the one before, counted from the moment the timer was set going, so
// that a system timer that comes late (rounded up to the system's resolution,
// or behind other messages) delays that one tick, never the ticks after it.
// A platform's timer arms the system's one-shot timer and hands over each of
// its arrivals, which the clock judges: one before the due time is no tick (the
// rest is waited out), and one a whole period late or more is one tick, after
// which the grid starts again from it: never two ticks for one period, never a
// burst to catch up.
class GridTickTimer : public TickTimer {
public:
    int Interval() const override { return interval_; }
    void SetInterval(int milliseconds) override;
    bool Enabled() const override { return enabled_; }
    void SetEnabled(bool enabled) override;
    void OnTick(std::function<void()> handler) override;

protected:
    explicit GridTickTimer(SteadyNow now) : now_(std::move(now)) {}

    // The system's timer is to come once, `milliseconds` from now (or a little
    // early or late), in place of any arrival set before.
    virtual void Arm(int milliseconds) = 0;
    // The system's timer is not to come. An arrival it had already queued may
    // still be handed over; it is no tick.
    virtual void Disarm() = 0;
    // The system's timer came.
    void Arrived();

private:
    bool Running() const { return enabled_ && interval_ > 0; }
    void Apply();

    SteadyNow now_;
    std::chrono::steady_clock::time_point due_;
    int interval_ = 0;
    bool enabled_ = true;
    std::function<void()> handler_;
};

}  // namespace tess
