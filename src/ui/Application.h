#pragma once

namespace tess {

// Builds the program's services, creates the main window and runs the event
// loop; returns the program's exit status. The toolkit's own (ui/qt or
// ui/win32) is the one built.
int RunApplication(int argc, char** argv);

}  // namespace tess
