#include <cstdlib>

#include "settings/DefaultLogPath.h"

namespace tess {

// The log goes to the user's TEMP folder; without TEMP the path is just
// "\<stem>.txt", the root of the current drive.
std::string ComputeDefaultLogPath(const std::string& title) {
    const char* temp = std::getenv("TEMP");
    return ComposeDefaultLogPath(temp != nullptr ? temp : "", '\\', title);
}

}  // namespace tess
