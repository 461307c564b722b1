#pragma once

#include <functional>
#include <utility>
#include <vector>

#include "tray/EventWait.h"

namespace tess::test {

// Runs the events scripted to arrive during a wait, then lets the time run out.
// Like a real wait, it ends early only when it was woken and its condition holds.
class FakeEventWait : public EventWait {
public:
    struct Wait {
        int timeoutMs;
        bool endedEarly;
    };

    void WaitUntil(const std::function<bool()>& done, int timeoutMs) override {
        const int wakesBefore = wakes;
        if (!done()) {
            if (auto events = std::exchange(duringWait, nullptr)) events();
        }
        waits.push_back({timeoutMs, wakes > wakesBefore && done()});
    }
    void Wake() override { ++wakes; }

    std::function<void()> duringWait;
    std::vector<Wait> waits;
    int wakes = 0;
};

}  // namespace tess::test
