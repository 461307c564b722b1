#pragma once

#include <functional>

namespace tess {

// Waiting while the program stays responsive: pending events keep being handled
// and nothing spins while there are none.
class EventWait {
public:
    virtual ~EventWait() = default;

    // Returns when `done()` holds or `timeoutMs` milliseconds have passed. `done`
    // is tested on entry and after every Wake().
    virtual void WaitUntil(const std::function<bool()>& done, int timeoutMs) = 0;

    // Tells every running wait that what it waits for may have happened.
    virtual void Wake() = 0;
};

}  // namespace tess
