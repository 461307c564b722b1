#pragma once

namespace tess {

// Ends the program from inside an event handler: the message loop ends at
// WM_QUIT with status 0, and from now on the windows hand no event to their
// behaviour (the input still queued before the quit is dropped).
void EndProcess();

// Whether EndProcess has run.
bool ProcessEnded();

}  // namespace tess
