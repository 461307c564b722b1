#pragma once

namespace tess {

// Handles every message pending on this thread's queue, the ones that arrive
// meanwhile included, and returns when none is left. Returns false when it met
// WM_QUIT: it then stops there and posts the quit again, for the loop that ends
// on it.
bool DispatchPendingMessages();

}  // namespace tess
