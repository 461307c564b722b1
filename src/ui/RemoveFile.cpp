#include "ui/RemoveFile.h"

#include <filesystem>
#include <system_error>

#include "common/Files.h"

namespace tess {

namespace fs = std::filesystem;

namespace {
// The file system's delete takes "*" and "?" as ordinary characters. A folder,
// or a link's target, is never touched: a link is deleted itself.
bool IsDeletable(const fs::path& path) {
    std::error_code error;
    return !path.empty() && (fs::is_symlink(path, error) || !fs::is_directory(path, error));
}

bool Delete(const fs::path& path) {
    std::error_code error;
    return fs::remove(path, error);
}
}  // namespace

void ForceDeleteFile(const std::string& path) {
    const fs::path file = Utf8Path(path);
    if (!IsDeletable(file)) return;
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
    if (IsDeletable(Utf8Path(path)) && Delete(Utf8Path(path))) return;
    ForceDeleteFile(path);
}

}  // namespace tess
