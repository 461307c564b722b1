#include "ui/RemoveFile.h"

#include <filesystem>
#include <system_error>

#include "common/Error.h"
#include "common/Files.h"

namespace tess {

namespace fs = std::filesystem;

namespace {

enum class Found { Nothing, Deletable, Other };

// What the path names, the link itself for a link. The file system's delete
// takes "*" and "?" as ordinary characters.
Found WhatIsAt(const fs::path& path) {
    std::error_code error;
    const fs::file_status status = fs::symlink_status(path, error);
    if (path.empty() || error || !fs::exists(status)) return Found::Nothing;
    return fs::is_regular_file(status) || fs::is_symlink(status) ? Found::Deletable : Found::Other;
}

bool Delete(const fs::path& path) {
    std::error_code error;
    return fs::remove(path, error);
}

}  // namespace

void ForceDeleteFile(const std::string& path) {
    const fs::path file = Utf8Path(path);
    if (WhatIsAt(file) != Found::Deletable) return;
    std::error_code error;
    const fs::file_status status = fs::symlink_status(file, error);
    // Without the owner's write permission (on Windows, with the read-only
    // attribute) the file is made writable first.
    if (!error && !fs::is_symlink(status) &&
        (status.permissions() & fs::perms::owner_write) == fs::perms::none) {
        fs::permissions(file, fs::perms::owner_write, fs::perm_options::add, error);
    }
    Delete(file);
}

void RemoveFile(const std::string& path, const std::function<bool()>& yield) {
    if (!yield()) return;
    const fs::path file = Utf8Path(path);
    switch (WhatIsAt(file)) {
        case Found::Nothing:
            return;
        case Found::Other:
            throw Error(NotARegularFileText(path));
        case Found::Deletable:
            if (!Delete(file)) ForceDeleteFile(path);
            return;
    }
}

}  // namespace tess
