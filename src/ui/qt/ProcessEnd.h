#pragma once

namespace tess {

// Ends the program at once, from inside any handler: every running event loop
// returns, a loop started afterwards returns at once, and no input of the window
// system reaches the program any more, so no further event handler runs. The
// process then leaves through main, destroying its objects on the way out.
// Needs the application object.
void EndProcess();

// The application's event loop with its exit status; 0 at once when the process
// has already ended (a loop started after the end would otherwise run on).
int RunEventLoop();

}  // namespace tess
