#pragma once

#include <functional>

namespace tess {

// A periodic timer: one tick per `Interval` milliseconds while it is enabled and
// its interval is not 0. Setting either property to a new value restarts the period.
class TickTimer {
public:
    virtual ~TickTimer() = default;
    virtual int Interval() const = 0;
    virtual void SetInterval(int milliseconds) = 0;
    virtual bool Enabled() const = 0;
    virtual void SetEnabled(bool enabled) = 0;
    // What runs on every tick.
    virtual void OnTick(std::function<void()> handler) = 0;
};

}  // namespace tess
