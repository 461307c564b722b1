#pragma once

#include <memory>
#include <optional>
#include <string>

namespace tess {

// The two places where the system keeps the programs it starts when a user logs on.
enum class AutostartScope {
    Machine,  // for every user of the machine
    User,     // for the user who runs the program
};

// Why an entry could not be written or deleted.
struct AutostartFailure {
    std::string location;  // the entry's place, as the user would look for it
    std::string reason;    // the platform's description of the error
};

// The entries that start programs at logon: in each scope, one per name.
class AutostartEntry {
public:
    virtual ~AutostartEntry() = default;
    // Writes the entry `name` so that it starts the program at `programPath`,
    // replacing any entry of that name in the scope.
    virtual std::optional<AutostartFailure> SetKeyValue(AutostartScope scope,
                                                        const std::string& name,
                                                        const std::string& programPath) = 0;
    // Deletes the entry `name`; an entry that is not there counts as deleted.
    virtual std::optional<AutostartFailure> DeleteKeyValue(AutostartScope scope,
                                                           const std::string& name) = 0;
};

// The platform's own entries.
std::unique_ptr<AutostartEntry> MakePlatformAutostartEntry();

}  // namespace tess
