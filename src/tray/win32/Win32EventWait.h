#pragma once

#include <functional>
#include <vector>

#include "common/SteadyClock.h"
#include "common/win32/MessagePump.h"
#include "tray/EventWait.h"

namespace tess {

// Waits in a nested message loop of this thread: MsgWaitForMultipleObjectsEx
// sleeps until a message arrives or the time is up, and the messages are then
// handled as the program's own loop handles them, its keyboard handling first.
// Nothing runs while there are none. Waits may nest: a wait started by a
// message handled during another wait ends first, and the outer wait returns
// only once the inner one has. A wait also ends at WM_QUIT, which stays posted
// for the program's loop.
class Win32EventWait : public EventWait {
public:
    explicit Win32EventWait(KeyboardHandling keyboard = {}, SteadyNow now = SteadyClockNow);

    // Returns at once when `done()` holds or `timeoutMs` is 0 or less; the time
    // is up once the clock has gone `timeoutMs` on.
    void WaitUntil(const std::function<bool()>& done, int timeoutMs) override;
    void Wake() override;

private:
    struct RunningWait {
        const std::function<bool()>* done;
        bool ended;
    };

    KeyboardHandling keyboard_;
    SteadyNow now_;
    std::vector<RunningWait*> running_;  // innermost last
};

}  // namespace tess
