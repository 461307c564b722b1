#pragma once

#include <string>

#include "settings/SettingsStore.h"

namespace tess {

inline constexpr const char* kSettingsApplication = "Quorvane";
inline constexpr const char* kSettingsSection = "Tessaline";

namespace keys {
inline constexpr const char* kOftenIndex = "OftenIndex";
inline constexpr const char* kText1 = "Text1";
inline constexpr const char* kStartStopState = "StartStopState";
inline constexpr const char* kWindowsStartup = "Windows Startup";
inline constexpr const char* kMinimized = "Minimized";
}  // namespace keys

inline constexpr const char* kOn = "On";
inline constexpr const char* kOff = "Off";

// The program's own values in the store, under its application and section.
class Settings {
public:
    explicit Settings(SettingsStore& store) : store_(store) {}
    std::string Get(const char* key, const std::string& fallback) const {
        return store_.Read(kSettingsApplication, kSettingsSection, key, fallback);
    }
    void Save(const char* key, const std::string& value) {
        store_.Write(kSettingsApplication, kSettingsSection, key, value);
    }

private:
    SettingsStore& store_;
};

}  // namespace tess
