#include "settings/win32/RunKeyEntry.h"

#include <windows.h>

#include <utility>

#include "common/win32/SystemError.h"
#include "common/win32/WideText.h"
#include "settings/win32/RegistryText.h"

namespace tess {

namespace {

constexpr const char* kRunSubkey = "SOFTWARE\\MICROSOFT\\WINDOWS\\CURRENTVERSION\\RUN\\";

std::string Location(const RegistryKeyPlace& place, const std::string& name) {
    const char* root =
        place.root == RegistryRoot::LocalMachine ? "HKEY_LOCAL_MACHINE\\" : "HKEY_CURRENT_USER\\";
    const bool separated = !place.subkey.empty() && place.subkey.back() == '\\';
    return root + place.subkey + (separated ? "" : "\\") + name;
}

HKEY RootOf(const RegistryKeyPlace& place) {
    return place.root == RegistryRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

// The key of a scope, opened with full access and closed when this goes.
class RunKey {
public:
    explicit RunKey(const RegistryKeyPlace& place)
        : result_(RegOpenKeyExW(RootOf(place), Utf8ToWide(place.subkey).c_str(), 0, KEY_ALL_ACCESS,
                                &key_)) {}
    ~RunKey() {
        if (result_ == ERROR_SUCCESS) RegCloseKey(key_);
    }
    RunKey(const RunKey&) = delete;
    RunKey& operator=(const RunKey&) = delete;

    LSTATUS result() const { return result_; }
    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
    LSTATUS result_;
};

// Whether the key holds the value `name`, as far as reading it tells; a key
// that cannot be read may hold it.
bool HasValue(const RegistryKeyPlace& place, const std::string& name) {
    HKEY key = nullptr;
    const LSTATUS opened =
        RegOpenKeyExW(RootOf(place), Utf8ToWide(place.subkey).c_str(), 0, KEY_QUERY_VALUE, &key);
    if (opened == ERROR_FILE_NOT_FOUND) return false;
    if (opened != ERROR_SUCCESS) return true;
    const LSTATUS queried =
        RegQueryValueExW(key, Utf8ToWide(name).c_str(), nullptr, nullptr, nullptr, nullptr);
    RegCloseKey(key);
    return queried != ERROR_FILE_NOT_FOUND;
}

std::optional<AutostartFailure> Outcome(const RegistryKeyPlace& place, const std::string& name,
                                        LSTATUS result) {
    if (result == ERROR_SUCCESS) return std::nullopt;
    return AutostartFailure{Location(place, name), SystemErrorText(result)};
}

}  // namespace

std::string RunCommand(const std::string& programPath) {
    return '"' + programPath + '"';
}

RunKeyEntry::RunKeyEntry()
    : RunKeyEntry({RegistryRoot::LocalMachine, kRunSubkey},
                  {RegistryRoot::CurrentUser, kRunSubkey}) {}

RunKeyEntry::RunKeyEntry(RegistryKeyPlace machine, RegistryKeyPlace user)
    : machine_(std::move(machine)), user_(std::move(user)) {}

const RegistryKeyPlace& RunKeyEntry::PlaceOf(AutostartScope scope) const {
    return scope == AutostartScope::Machine ? machine_ : user_;
}

std::optional<AutostartFailure> RunKeyEntry::SetKeyValue(AutostartScope scope,
                                                         const std::string& name,
                                                         const std::string& programPath) {
    const RegistryKeyPlace& place = PlaceOf(scope);
    const RunKey key(place);
    if (key.result() != ERROR_SUCCESS) return Outcome(place, name, key.result());
    return Outcome(place, name, SetStringValue(key.get(), name, RunCommand(programPath)));
}

std::optional<AutostartFailure> RunKeyEntry::DeleteKeyValue(AutostartScope scope,
                                                            const std::string& name) {
    const RegistryKeyPlace& place = PlaceOf(scope);
    const RunKey key(place);
    // No Run key, or no value of that name: there is no entry to delete.
    if (key.result() == ERROR_FILE_NOT_FOUND) return std::nullopt;
    // Without the right to change the key (the machine's, for a user who is not
    // an administrator) there may still be no entry to delete.
    if (key.result() != ERROR_SUCCESS) {
        return HasValue(place, name) ? Outcome(place, name, key.result()) : std::nullopt;
    }
    const LSTATUS result = RegDeleteValueW(key.get(), Utf8ToWide(name).c_str());
    return Outcome(place, name, result == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : result);
}

std::unique_ptr<AutostartEntry> MakePlatformAutostartEntry() {
    return std::make_unique<RunKeyEntry>();
}

}  // namespace tess
