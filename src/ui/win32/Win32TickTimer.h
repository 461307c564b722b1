#pragma once

#include <chrono>

#include "ui/TickTimer.h"
#include "ui/win32/MessageWindow.h"

namespace tess {

// The tick timer over SetTimer, on a message window of the thread that creates
// it, whose message loops (the program's, a message box's, a wait's) deliver
// the ticks. A tick never comes before its period is over, counted from the
// start or from the tick before: the system's timer may come a little early
// (its time-outs are rounded to the system's tick, and a late tick does not
// move the next one), which would put two entries of a one-second interval
// into the same second. A tick that the system queued before the timer was
// stopped is dropped: once stopped, no tick arrives.
class Win32TickTimer : public TickTimer {
public:
    Win32TickTimer();
    ~Win32TickTimer() override;
    Win32TickTimer(const Win32TickTimer&) = delete;
    Win32TickTimer& operator=(const Win32TickTimer&) = delete;

    int Interval() const override { return interval_; }
    void SetInterval(int milliseconds) override;
    bool Enabled() const override { return enabled_; }
    void SetEnabled(bool enabled) override;
    void OnTick(std::function<void()> handler) override;

private:
    bool Running() const { return enabled_ && interval_ > 0; }
    void Apply();
    void Tick();
    // Sets the system's timer to come after `milliseconds`.
    void Arm(int milliseconds);

    std::chrono::steady_clock::time_point due_;
    int interval_ = 0;
    bool enabled_ = true;
    std::function<void()> handler_;
    MessageWindow window_;
};

}  // namespace tess
