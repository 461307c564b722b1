#pragma once

#include <windows.h>

#include <string>
#include <utility>

namespace tess::test {

// The type and the bytes of the value `name` of `subkey` as the registry holds
// them; type 0 and no bytes when it is missing.
inline std::pair<DWORD, std::string> RawValue(HKEY root, const std::string& subkey,
                                              const std::string& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, subkey.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return {};
    DWORD type = 0;
    char data[1024];
    DWORD size = sizeof data;
    const LSTATUS status =
        RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) return {};
    return {type, std::string(data, size)};
}

}  // namespace tess::test
