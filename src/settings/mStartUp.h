#pragma once

#include <functional>
#include <string>

#include "settings/AutostartEntry.h"
#include "settings/StartupRegistration.h"

namespace tess {

// Registers the running program to start at logon: the entry is named after
// the program's own file (a Run value; the desktops' autostart entry keeps a
// name of the program's own, see XdgAutostartEntry) and starts it by its full
// path.
class mStartUp final : public StartupRegistration {
public:
    // The full path of the program to register; "" when it is not known.
    using PathSource = std::function<std::string()>;

    explicit mStartUp(AutostartEntry& entry, PathSource executablePath);

    // Throws Error when the program's path is not known or no location takes the entry.
    void AddToStartup() override;
    // Throws Error when an entry stays; with the program's path unknown there is
    // no entry to name, and nothing is done.
    void RemoveFromStartup() override;

private:
    AutostartEntry& entry_;
    PathSource executablePath_;
};

}  // namespace tess
