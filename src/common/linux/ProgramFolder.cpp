#include <unistd.h>

#include <climits>

#include "common/Files.h"

namespace tess {

char NativeSeparator() { return '/'; }

std::string ProgramFolder() {
    char buffer[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer);
    if (length <= 0) return {};
    return FolderOfPath(std::string(buffer, static_cast<size_t>(length)));
}

}  // namespace tess
