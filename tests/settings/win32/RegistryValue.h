#pragma once

#include <windows.h>

#include <string>
#include <utility>

#include "common/win32/WideText.h"

namespace tess::test {

// The type and the text of the value `name` of `subkey` as the registry holds
// them: its UTF-16 read through the W functions and given in UTF-8, with the
// terminating zero where one is stored; type 0 and no text when it is missing.
inline std::pair<DWORD, std::string> RawValue(HKEY root, const std::string& subkey,
                                              const std::string& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, Utf8ToWide(subkey).c_str(), 0, KEY_QUERY_VALUE, &key) !=
        ERROR_SUCCESS) {
        return {};
    }
    DWORD type = 0;
    wchar_t data[1024];
    DWORD size = sizeof data;
    const LSTATUS status = RegQueryValueExW(key, Utf8ToWide(name).c_str(), nullptr, &type,
                                            reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) return {};
    return {type, WideToUtf8(std::wstring(data, size / sizeof(wchar_t)))};
}

}  // namespace tess::test
