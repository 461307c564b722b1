#pragma once

#include <string>

#include "settings/SettingsStore.h"

namespace tess {

// Settings kept in INI files that QSettings (IniFormat) reads the same way:
// application A lives in <folder>/A.conf, each section is a [section] group.
// Writing keeps everything else in the file as it was.
class IniSettingsStore : public SettingsStore {
public:
    explicit IniSettingsStore(std::string folder);

    // $XDG_CONFIG_HOME, or ~/.config when it is unset or not an absolute path.
    static std::string DefaultFolder();

    // The file that holds the application's settings.
    std::string FilePath(const std::string& application) const;

    std::string Read(const std::string& application, const std::string& section,
                     const std::string& key, const std::string& fallback) const override;
    void Write(const std::string& application, const std::string& section, const std::string& key,
               const std::string& value) override;

private:
    std::string folder_;
};

}  // namespace tess
