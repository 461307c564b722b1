#include "ui/QuietReport.h"

#include <exception>
#include <string>

#include "ui/Diagnostics.h"

namespace tess {

bool RunQuietly(Diagnostics& diagnostics, const char* where, const std::function<void()>& work) {
    try {
        work();
        return true;
    } catch (const std::exception& e) {
        diagnostics.Warn(std::string(where) + ": " + e.what());
    } catch (...) {
        diagnostics.Warn(std::string(where) + ": unknown error");
    }
    return false;
}

}  // namespace tess
