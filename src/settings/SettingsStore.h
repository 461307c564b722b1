#pragma once

#include <string>

namespace tess {

// The per-user settings store: string values addressed by application, section and key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored value, or `fallback` when it is not there (nor the store, its
    // application or section). Never creates anything. Throws tess::Error with
    // the place and the reason when the store is there but cannot be read.
    virtual std::string Read(const std::string& application, const std::string& section,
                             const std::string& key, const std::string& fallback) const = 0;
    // Stores the value, creating application and section as needed. Throws
    // tess::Error with the reason when the value could not be stored.
    virtual void Write(const std::string& application, const std::string& section,
                       const std::string& key, const std::string& value) = 0;
};

}  // namespace tess
