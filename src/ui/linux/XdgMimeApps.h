#pragma once

#include <optional>
#include <string>
#include <vector>

#include "settings/linux/DesktopFile.h"

namespace tess {

// Where the XDG desktops keep their configuration and data, by the Base
// Directory lists (relative folders do not count), and the names of the
// current desktop, in lower case, from $XDG_CURRENT_DESKTOP.
struct XdgDirs {
    std::string configHome = {};
    std::vector<std::string> configDirs = {};
    std::string dataHome = {};
    std::vector<std::string> dataDirs = {};
    std::vector<std::string> desktops = {};

    // From the environment, with the defaults of the Base Directory rules.
    static XdgDirs FromEnvironment();
};

// An installed application's desktop entry.
struct DesktopApplication {
    // Its desktop file ID and file.
    std::string id;
    std::string path;
    // The keys of its [Desktop Entry] group.
    DesktopGroup entry;
};

// The default application for `mimeType` by the XDG MIME Applications rules:
// the first installed application of [Default Applications] in the
// mimeapps.list files, taken in their order of precedence (the current
// desktop's own ones first in each folder), that is associated with the type;
// else the most preferred application associated with it: those of [Added
// Associations] and the desktop files whose MimeType lists the type, folder by
// folder, without those a [Removed Associations] of that folder or an earlier
// one takes away. Installed: a desktop file of that ID in an applications
// folder (the first one counts), an application not hidden, with an Exec and
// its TryExec program where it names one. Nothing when none is associated.
std::optional<DesktopApplication> DefaultApplication(const std::string& mimeType,
                                                     const XdgDirs& dirs);

}  // namespace tess
