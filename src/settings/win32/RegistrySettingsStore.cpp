#include "settings/win32/RegistrySettingsStore.h"

#include <windows.h>

#include <utility>

#include "common/win32/SystemError.h"
#include "common/win32/WideText.h"
#include "settings/win32/RegistryText.h"

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
    const LSTATUS status = RegOpenKeyExW(HKEY_CURRENT_USER, Utf8ToWide(path).c_str(), 0,
                                         KEY_QUERY_VALUE, opened.out());
    // A key that is not there holds nothing yet; one that cannot be opened is a failure.
    if (status == ERROR_FILE_NOT_FOUND) return fallback;
    if (status != ERROR_SUCCESS) ThrowSystemError(status, where);
    return QueryStringValue(opened.get(), key, where).value_or(fallback);
}

void RegistrySettingsStore::Write(const std::string& application, const std::string& section,
                                  const std::string& key, const std::string& value) {
    const std::string path = SectionKey(application, section);
    const std::string where = "Cannot store " + key + " in HKEY_CURRENT_USER\\" + path;
    RegistryKey opened;
    LSTATUS status = RegCreateKeyExW(HKEY_CURRENT_USER, Utf8ToWide(path).c_str(), 0, nullptr, 0,
                                     KEY_SET_VALUE, nullptr, opened.out(), nullptr);
    if (status != ERROR_SUCCESS) ThrowSystemError(status, where);
    status = SetStringValue(opened.get(), key, value);
    if (status != ERROR_SUCCESS) ThrowSystemError(status, where);
}

}  // namespace tess
