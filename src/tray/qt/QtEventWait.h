#pragma once

#include <QEventLoop>
#include <functional>
#include <vector>

#include "tray/EventWait.h"

namespace tess {

// Waits in a nested QEventLoop, ended by a single-shot QTimer or by a Wake() after
// which the wait's condition holds; events keep being handled and nothing runs
// while there are none. Waits may nest: a wait started by an event handled during
// another wait ends first, and the outer wait returns only once the inner one has,
// even when its own time ran out or its condition came true meanwhile. A wait also
// ends when the application quits. GUI thread only.
class QtEventWait : public EventWait {
public:
    // Returns at once when `done()` holds or `timeoutMs` is 0 or less.
    void WaitUntil(const std::function<bool()>& done, int timeoutMs) override;
    void Wake() override;

private:
    struct RunningWait {
        const std::function<bool()>* done;
        QEventLoop* loop;
    };

    std::vector<RunningWait> running_;  // innermost last
};

}  // namespace tess
