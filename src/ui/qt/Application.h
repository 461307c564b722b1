#pragma once

namespace tess {

// Builds the program's services, creates the main window and runs the event loop.
int RunApplication(int argc, char** argv);

}  // namespace tess
