#pragma once

#include <string>

#include "settings/AutostartEntry.h"

// Writing and deleting the entry that starts the program at logon.
namespace tess::RegStuff {

// Writes the entry `fileName` that starts the program at `fullPath` for the
// whole machine or, when that location refuses it, for the current user.
// Throws Error naming each location and its reason when neither takes it.
void SetRunValue(AutostartEntry& entry, const std::string& fileName, const std::string& fullPath);

// Deletes the entry `fileName` from both locations. Throws Error naming each
// location where the entry stays and its reason; an entry that is not there
// counts as deleted.
void DeleteRunValue(AutostartEntry& entry, const std::string& fileName);

}  // namespace tess::RegStuff
