#include "settings/win32/RegistryText.h"

#include "common/win32/SystemError.h"
#include "common/win32/WideText.h"

namespace tess {

LSTATUS SetStringValue(HKEY key, const std::string& name, const std::string& text) {
    const std::wstring data = Utf8ToWide(text);
    return RegSetValueExW(key, Utf8ToWide(name).c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(data.c_str()),
                          static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
}

std::optional<std::string> QueryStringValue(HKEY key, const std::string& name,
                                            const std::string& where) {
    const std::wstring wideName = Utf8ToWide(name);
    std::wstring data;
    for (;;) {
        DWORD type = 0;
        DWORD size = static_cast<DWORD>(data.size() * sizeof(wchar_t));
        BYTE* buffer = data.empty() ? nullptr : reinterpret_cast<BYTE*>(data.data());
        const LSTATUS status =
            RegQueryValueExW(key, wideName.c_str(), nullptr, &type, buffer, &size);
        if (status == ERROR_FILE_NOT_FOUND) return std::nullopt;
        if (status != ERROR_SUCCESS && status != ERROR_MORE_DATA) ThrowSystemError(status, where);
        if (type != REG_SZ) return std::nullopt;
        if (status == ERROR_SUCCESS && (buffer != nullptr || size == 0)) {
            // An odd byte at the end (some other writer's) is half a unit: dropped.
            data.resize(size / sizeof(wchar_t));
            // Stored with its terminating NUL, or by some other writer without one.
            if (const auto end = data.find(L'\0'); end != std::wstring::npos) data.erase(end);
            return WideToUtf8(data);
        }
        // First the size was asked for, or the value grew in between: ask again.
        data.assign(size / sizeof(wchar_t) + 1, L'\0');
    }
}

}  // namespace tess
