#pragma once

#include <windows.h>

namespace tess {

// The work area (the screen without the taskbar) of the monitor that holds
// most of `place`, or the nearest one.
RECT WorkAreaOf(const RECT& place);

// `window` moved, and cut to the work area's size where it is larger, so that
// it lies inside `work`: the whole window, its caption and close box with it,
// can be seen and reached.
RECT FitInto(const RECT& window, const RECT& work);

}  // namespace tess
