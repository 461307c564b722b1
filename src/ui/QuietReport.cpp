#include "ui/QuietReport.h"

#include <QtGlobal>
#include <exception>

namespace tess {

bool RunQuietly(const char* where, const std::function<void()>& work) {
    try {
        work();
        return true;
    } catch (const std::exception& e) {
        qWarning("%s: %s", where, e.what());
    } catch (...) {
        qWarning("%s: unknown error", where);
    }
    return false;
}

}  // namespace tess
