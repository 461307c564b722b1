#include <windows.h>

#include "common/Files.h"
#include "common/win32/WideText.h"

namespace tess {

char NativeSeparator() {
    return '\\';
}

std::string ExecutablePath() {
    // Long paths may exceed MAX_PATH: grow the buffer while the name is cut short.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            return WideToUtf8(path);
        }
        if (path.size() >= 32768) return {};
        path.resize(path.size() * 2);
    }
}

}  // namespace tess
