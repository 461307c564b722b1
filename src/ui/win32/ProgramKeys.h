#pragma once

#include <windows.h>

namespace tess {

// The keyboard handling of the program's windows, which every message loop of
// the program gives each message before it dispatches it (KeyboardHandling):
// the main and the support window's command keys, tab order, dialog keys and
// help key, and the history window's. True when it took the message.
bool HandleProgramKeys(MSG& message);

}  // namespace tess
