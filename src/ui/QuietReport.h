#pragma once

#include <functional>

namespace tess {

class Diagnostics;

// Runs the work of a handler that has no error report of its own. A failure
// goes to `diagnostics` as "<where>: <description>"; the program goes on.
// Returns false when the work failed.
bool RunQuietly(Diagnostics& diagnostics, const char* where, const std::function<void()>& work);

}  // namespace tess
