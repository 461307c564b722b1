#pragma once

#include <string>

#include "settings/AutostartEntry.h"

namespace tess {

// The autostart folders of the XDG desktops.
struct XdgAutostartFolders {
    std::string machine;
    std::string user;
};

// Entries as desktop files named "<name>.desktop" in the autostart folders.
class XdgAutostartEntry : public AutostartEntry {
public:
    explicit XdgAutostartEntry(XdgAutostartFolders folders);

    // "autostart" in the first absolute folder of $XDG_CONFIG_DIRS (else
    // /etc/xdg) and in $XDG_CONFIG_HOME (else ~/.config).
    static XdgAutostartFolders DefaultFolders();

    // The desktop file of the entry `name`.
    std::string EntryPath(AutostartScope scope, const std::string& name) const;

    std::optional<AutostartFailure> SetKeyValue(AutostartScope scope, const std::string& name,
                                                const std::string& programPath) override;
    std::optional<AutostartFailure> DeleteKeyValue(AutostartScope scope,
                                                   const std::string& name) override;

private:
    XdgAutostartFolders folders_;
};

}  // namespace tess
