#include <unistd.h>

#include <climits>

#include "common/Files.h"

namespace tess {

char NativeSeparator() {
    return '/';
}

std::string ExecutablePath() {
    char buffer[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer);
    // A link that fills the whole buffer may have been cut short.
    if (length <= 0 || static_cast<size_t>(length) >= sizeof buffer) return {};
    return std::string(buffer, static_cast<size_t>(length));
}

}  // namespace tess
