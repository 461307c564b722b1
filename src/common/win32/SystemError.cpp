#include "common/win32/SystemError.h"

#include <windows.h>

#include "common/Error.h"
#include "common/win32/AnsiText.h"

namespace tess {

std::string SystemErrorText(unsigned long code) {
    char* buffer = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::string text = length > 0 ? std::string(buffer, length) : std::string();
    LocalFree(buffer);
    const auto end = text.find_last_not_of(" \t\r\n");
    text.erase(end == std::string::npos ? 0 : end + 1);
    if (text.empty()) return "System error " + std::to_string(code);
    return AnsiToUtf8(text);
}

void ThrowSystemError(unsigned long code, const std::string& context) {
    const std::string reason = SystemErrorText(code);
    throw Error(context.empty() ? reason : context + ": " + reason);
}

}  // namespace tess
