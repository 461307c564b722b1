#include "ui/GridTickTimer.h"

#include <utility>

namespace tess {

void GridTickTimer::SetInterval(int milliseconds) {
    if (milliseconds == interval_) return;
    interval_ = milliseconds;
    Apply();
}

void GridTickTimer::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Apply();
}

void GridTickTimer::OnTick(std::function<void()> handler) {
    handler_ = std::move(handler);
}

// Setting the timer anew starts its grid again from now.
void GridTickTimer::Apply() {
    if (Running()) {
        due_ = now_() + std::chrono::milliseconds(interval_);
        Arm(interval_);
    } else {
        Disarm();
    }
}

void GridTickTimer::Arrived() {
    if (!Running()) return;
    const auto now = now_();
    const std::chrono::milliseconds period(interval_);
    const bool due = now >= due_;
    if (due) due_ = now - due_ >= period ? now + period : due_ + period;
    Arm(static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(due_ - now).count()));
    if (due && handler_) handler_();
}

}  // namespace tess
