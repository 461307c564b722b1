#pragma once

#include <cstdint>
#include <functional>
#include <vector>

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
    // A clock in milliseconds that never goes back.
    using Milliseconds = std::function<std::uint64_t()>;

    explicit Win32EventWait(KeyboardHandling keyboard = {},
                            Milliseconds clock = SystemMilliseconds);

    // Returns at once when `done()` holds or `timeoutMs` is 0 or less; the time
    // is up once `clock` has gone `timeoutMs` on.
    void WaitUntil(const std::function<bool()>& done, int timeoutMs) override;
    void Wake() override;

    // The system's milliseconds since it started.
    static std::uint64_t SystemMilliseconds();

private:
    struct RunningWait {
        const std::function<bool()>* done;
        bool ended;
    };

    KeyboardHandling keyboard_;
    Milliseconds clock_;
    std::vector<RunningWait*> running_;  // innermost last
};

}  // namespace tess
