#include "settings/win32/RegistrySettingsStore.h"

#include <windows.h>

#include <optional>
#include <utility>

#include "common/win32/AnsiText.h"
#include "common/win32/SystemError.h"

namespace tess {

namespace {

class RegistryKey {
public:
    RegistryKey() = default;
    ~RegistryKey() {
        if (key_ != nullptr) RegCloseKey(key_);
    }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    HKEY* out() { return &key_; }
    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

// The text of a string value, or nothing when it is missing or not a string.
// Throws with `where` and the reason when the value cannot be read.
std::optional<std::string> QueryString(HKEY key, const std::string& name,
                                       const std::string& where) {
    std::string data;
    for (;;) {
        DWORD type = 0;
        DWORD size = static_cast<DWORD>(data.size());
        BYTE* buffer = data.empty() ? nullptr : reinterpret_cast<BYTE*>(data.data());
        const LSTATUS status = RegQueryValueExA(key, name.c_str(), nullptr, &type, buffer, &size);
        if (status == ERROR_FILE_NOT_FOUND) return std::nullopt;
        if (status != ERROR_SUCCESS && status != ERROR_MORE_DATA) ThrowSystemError(status, where);
        if (type != REG_SZ) return std::nullopt;
        if (status == ERROR_SUCCESS && (buffer != nullptr || size == 0)) {
            data.resize(size);
            // Stored with its terminating NUL, or by some other writer without one.
            if (const auto end = data.find('\0'); end != std::string::npos) data.erase(end);
            return data;
        }
        // First the size was asked for, or the value grew in between: ask again.
        data.assign(size, '\0');
    }
}

}  // namespace

RegistrySettingsStore::RegistrySettingsStore(std::string base) : base_(std::move(base)) {}

std::string RegistrySettingsStore::SectionKey(const std::string& application,
                                              const std::string& section) const {
    return base_ + '\\' + application + '\\' + section;
}

std::string RegistrySettingsStore::Read(const std::string& application, const std::string& section,
                                        const std::string& key, const std::string& fallback) const {
    const std::string path = SectionKey(application, section);
    const std::string where = "Cannot read " + key + " in HKEY_CURRENT_USER\\" + path;
    RegistryKey opened;
    const LSTATUS status = RegOpenKeyExA(HKEY_CURRENT_USER, Utf8ToAnsi(path).c_str(), 0,
                                         KEY_QUERY_VALUE, opened.out());
    // A key that is not there holds nothing yet; one that cannot be opened is a failure.
    if (status == ERROR_FILE_NOT_FOUND) return fallback;
    if (status != ERROR_SUCCESS) ThrowSystemError(status, where);
    const auto text = QueryString(opened.get(), Utf8ToAnsi(key), where);
    return text ? AnsiToUtf8(*text) : fallback;
}

void RegistrySettingsStore::Write(const std::string& application, const std::string& section,
                                  const std::string& key, const std::string& value) {
    const std::string path = SectionKey(application, section);
    const std::string where = "Cannot store " + key + " in HKEY_CURRENT_USER\\" + path;
    RegistryKey opened;
    LSTATUS status = RegCreateKeyExA(HKEY_CURRENT_USER, Utf8ToAnsi(path).c_str(), 0, nullptr, 0,
                                     KEY_SET_VALUE, nullptr, opened.out(), nullptr);
    if (status != ERROR_SUCCESS) ThrowSystemError(status, where);
    const std::string data = Utf8ToAnsi(value);
    status = RegSetValueExA(opened.get(), Utf8ToAnsi(key).c_str(), 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(data.c_str()),
                            static_cast<DWORD>(data.size() + 1));
    if (status != ERROR_SUCCESS) ThrowSystemError(status, where);
}

}  // namespace tess
