#include "common/FolderListing.h"

namespace tess {

bool IsHiddenOrSystem(const std::filesystem::directory_entry& entry) {
    return entry.path().filename().native().starts_with('.');
}

}  // namespace tess
