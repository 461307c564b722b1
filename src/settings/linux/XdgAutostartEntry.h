#pragma once

#include <string>

#include "settings/AutostartEntry.h"

namespace tess {

// The autostart folders of the XDG desktops.
struct XdgAutostartFolders {
    std::string machine;
    std::string user;
};

// The entry as the desktop file "example.quorvane.Tessaline.desktop" in the
// autostart folders: a name of the program's own, whatever its file is called,
// so that the entry's `name` (the program's file name) names no file here.
// Clearing also deletes an entry that this program once wrote under the name
// "<name>.desktop", and only when it is one: another program's entry of that
// name stays.
class XdgAutostartEntry : public AutostartEntry {
public:
    explicit XdgAutostartEntry(XdgAutostartFolders folders);

    // "autostart" in the first absolute folder of $XDG_CONFIG_DIRS (else
    // /etc/xdg) and in $XDG_CONFIG_HOME (else ~/.config).
    static XdgAutostartFolders DefaultFolders();

    // The desktop file of the entry.
    std::string EntryPath(AutostartScope scope) const;

    // Throws tess::Error, writing nothing, for a program that the desktops would
    // not start: one whose path holds '%', a control character or bytes that
    // are not UTF-8.
    std::optional<AutostartFailure> SetKeyValue(AutostartScope scope, const std::string& name,
                                                const std::string& programPath) override;
    std::optional<AutostartFailure> DeleteKeyValue(AutostartScope scope,
                                                   const std::string& name) override;

private:
    std::string FileInFolder(AutostartScope scope, const std::string& name) const;

    XdgAutostartFolders folders_;
};

}  // namespace tess
