#pragma once

#include <filesystem>
#include <string>

namespace tess {

// The name of the first ordinary file in `folder` (not hidden, not a system
// file, not a folder) in the order the file system lists them; "" when there
// is none or the folder cannot be listed. Never throws.
std::string FirstOrdinaryFile(const std::string& folder);

// Whether the platform hides the entry from an ordinary listing: on Linux a
// name starting with '.', on Windows the hidden or system attribute.
bool IsHiddenOrSystem(const std::filesystem::directory_entry& entry);

}  // namespace tess
