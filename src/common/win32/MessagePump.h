#pragma once

#include <windows.h>

#include <functional>

namespace tess {

// What a message loop does with a message before it dispatches it: the keyboard
// handling of the program's windows (their command keys, the tab order, the
// dialog keys). True when it took the message, which is then not dispatched.
// Every loop of the program, nested or not, is given the same one, so that keys
// work alike whichever loop happens to run.
using KeyboardHandling = std::function<bool(MSG& message)>;

// Gives `message` to `keyboard` (an empty one takes nothing) and, unless it
// took it, translates and dispatches it.
void HandleMessage(MSG& message, const KeyboardHandling& keyboard);

// Handles every message pending on this thread's queue as HandleMessage does,
// the ones that arrive meanwhile included, and returns when none is left.
// Returns false when it met WM_QUIT: it then stops there and posts the quit
// again, for the loop that ends on it.
bool DispatchPendingMessages(const KeyboardHandling& keyboard = {});

}  // namespace tess
