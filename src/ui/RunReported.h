#pragma once

#include <functional>

namespace tess {

class Dialogs;

// The status of a program whose start failed.
inline constexpr int kStartFailed = 1;

// Marks the step of the start that begins: its line label.
using StartStep = std::function<void(int line)>;

// Runs the program: `run` makes its services and windows, marking each step
// through `step`, then runs the event loop and returns the program's status.
// A failure that leaves `run` (a window, a font, the tray's window that could
// not be made) is shown with the standard error report of Main.RunApplication
// at the last step begun, once `run`'s windows are gone (so the box stands on
// its own), and the program ends with kStartFailed.
int RunReported(Dialogs& dialogs, const std::function<int(const StartStep& step)>& run);

}  // namespace tess
