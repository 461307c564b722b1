#pragma once

#include <functional>

namespace tess {

// Runs the work of a handler that has no error report of its own. A failure
// goes to the program's diagnostic output, naming `where`; the program goes on.
// Returns false when the work failed.
bool RunQuietly(const char* where, const std::function<void()>& work);

}  // namespace tess
