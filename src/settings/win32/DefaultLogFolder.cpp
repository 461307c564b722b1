#include <windows.h>

#include "common/win32/WideText.h"
#include "settings/DataFolder.h"
#include "settings/DefaultLogPath.h"

namespace tess {

namespace {

// The variable's value in the user's characters, "" when it is not set.
std::string EnvironmentVariable(const wchar_t* name) {
    std::wstring value;
    DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
    // The value may grow between the two calls: ask again while it does not fit.
    while (size > value.size()) {
        value.assign(size, L'\0');
        size = GetEnvironmentVariableW(name, value.data(), size);
    }
    value.resize(size);
    return WideToUtf8(value);
}

}  // namespace

// The log goes to the user's TEMP folder; without TEMP the path is just
// "\<stem>.txt", the root of the current drive.
std::string ComputeDefaultLogPath(const std::string& title) {
    return ComposeDefaultLogPath(EnvironmentVariable(L"TEMP"), '\\', title);
}

std::string ComputeDataFolder(const std::string& title) {
    const std::string local = EnvironmentVariable(L"LOCALAPPDATA");
    return local.empty() ? std::string() : local + '\\' + FileNameStem(title);
}

}  // namespace tess
