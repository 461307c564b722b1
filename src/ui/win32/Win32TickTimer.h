#pragma once

#include "ui/TickTimer.h"
#include "ui/win32/MessageWindow.h"

namespace tess {

// The tick timer over SetTimer, on a message window of the thread that creates
// it, whose message loops (the program's, a message box's, a wait's) deliver
// the ticks. A tick that the system queued before the timer was stopped is
// dropped: once stopped, no tick arrives.
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

    int interval_ = 0;
    bool enabled_ = true;
    std::function<void()> handler_;
    MessageWindow window_;
};

}  // namespace tess
