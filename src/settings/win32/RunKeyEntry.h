#pragma once

#include <string>

#include "settings/AutostartEntry.h"

namespace tess {

enum class RegistryRoot { LocalMachine, CurrentUser };

// A key of the registry: a root and the path below it.
struct RegistryKeyPlace {
    RegistryRoot root;
    std::string subkey;
};

// Entries as string values of the Run key: HKEY_LOCAL_MACHINE's for the whole
// machine, HKEY_CURRENT_USER's for the current user.
class RunKeyEntry : public AutostartEntry {
public:
    RunKeyEntry();
    // Entries in other keys (tests choose keys of their own). Each key is
    // opened as it is, never created.
    RunKeyEntry(RegistryKeyPlace machine, RegistryKeyPlace user);

    std::optional<AutostartFailure> SetKeyValue(AutostartScope scope, const std::string& name,
                                                const std::string& programPath) override;
    std::optional<AutostartFailure> DeleteKeyValue(AutostartScope scope,
                                                   const std::string& name) override;

private:
    const RegistryKeyPlace& PlaceOf(AutostartScope scope) const;

    RegistryKeyPlace machine_;
    RegistryKeyPlace user_;
};

// The data of a Run value that starts the program at `programPath`: the path
// in double quotes, so that a space in it cannot start another program.
std::string RunCommand(const std::string& programPath);

}  // namespace tess
