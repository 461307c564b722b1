#include "ui/win32/Win32Launcher.h"

#include <gtest/gtest.h>

#include "common/Error.h"

namespace tess {
namespace {

// The shell's failure comes back as an error for the caller's report, not as a
// message box of the system's.
TEST(Win32LauncherTest, AFileTheShellCannotOpenIsAnError) {
    EXPECT_THROW(Win32Launcher().OpenUrl("C:\\no such folder\\Help & Demo 100%.mp4"), Error);
}

}  // namespace
}  // namespace tess
