#include "common/FolderListing.h"

#include <system_error>

#include "common/Files.h"

namespace tess {

std::string FirstOrdinaryFile(const std::string& folder) {
    std::error_code error;
    std::filesystem::directory_iterator entries(Utf8Path(folder), error);
    for (const auto end = std::filesystem::directory_iterator(); !error && entries != end;
         entries.increment(error)) {
        // A link counts as what it points at; one that points nowhere is skipped.
        std::error_code notThere;
        if (entries->is_regular_file(notThere) && !IsHiddenOrSystem(*entries)) {
            return PathText(entries->path().filename());
        }
    }
    return {};
}

}  // namespace tess
