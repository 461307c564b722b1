#pragma once

#include "ui/GridTickTimer.h"
#include "ui/win32/MessageWindow.h"

namespace tess {

// The tick timer over SetTimer, on a message window of the thread that creates
// it, whose message loops (the program's, a message box's, a wait's) deliver
// the ticks. The system's timer comes on its own resolution (about 15.6 ms),
// after other messages, and may come a little early: the grid decides which
// of its arrivals is a tick.
class Win32TickTimer : public GridTickTimer {
public:
    explicit Win32TickTimer(SteadyNow now = SteadyClockNow);
    ~Win32TickTimer() override;
    Win32TickTimer(const Win32TickTimer&) = delete;
    Win32TickTimer& operator=(const Win32TickTimer&) = delete;

private:
    void Arm(int milliseconds) override;
    void Disarm() override;

    MessageWindow window_;
};

}  // namespace tess
