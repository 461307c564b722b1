#pragma once

#include <string>

#include "settings/SettingsStore.h"

namespace tess {

// Settings as REG_SZ values in the current user's registry: application A,
// section S and key K are the value K of HKEY_CURRENT_USER\<base>\A\S.
class RegistrySettingsStore : public SettingsStore {
public:
    explicit RegistrySettingsStore(std::string base = "Software");

    // The key that holds a section's values, below HKEY_CURRENT_USER.
    std::string SectionKey(const std::string& application, const std::string& section) const;

    std::string Read(const std::string& application, const std::string& section,
                     const std::string& key, const std::string& fallback) const override;
    void Write(const std::string& application, const std::string& section, const std::string& key,
               const std::string& value) override;

private:
    std::string base_;
};

}  // namespace tess
