#include "settings/linux/XdgAutostartEntry.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <utility>

#include "common/Error.h"
#include "settings/linux/DesktopEntry.h"
#include "settings/linux/IniSettingsStore.h"
#include "settings/linux/ReplaceFile.h"

namespace tess {

namespace {

// The first absolute folder of a colon-separated list; relative ones do not count.
std::string FirstAbsoluteFolder(const std::string& list) {
    for (std::size_t start = 0; start <= list.size();) {
        auto end = list.find(':', start);
        if (end == std::string::npos) end = list.size();
        if (end > start && list[start] == '/') return list.substr(start, end - start);
        start = end + 1;
    }
    return {};
}

AutostartFailure Failure(std::string location, int error) {
    return {std::move(location), ErrnoText(error)};
}

// The entry is readable by every user who logs on, whatever our umask.
constexpr mode_t kEntryMode = 0644;

}  // namespace

XdgAutostartEntry::XdgAutostartEntry(XdgAutostartFolders folders) : folders_(std::move(folders)) {}

XdgAutostartFolders XdgAutostartEntry::DefaultFolders() {
    const char* dirs = std::getenv("XDG_CONFIG_DIRS");
    std::string machine = FirstAbsoluteFolder(dirs != nullptr ? dirs : "");
    if (machine.empty()) machine = "/etc/xdg";
    return {machine + "/autostart", IniSettingsStore::DefaultFolder() + "/autostart"};
}

std::string XdgAutostartEntry::EntryPath(AutostartScope scope, const std::string& name) const {
    const std::string& folder = scope == AutostartScope::Machine ? folders_.machine : folders_.user;
    return folder + '/' + name + ".desktop";
}

std::optional<AutostartFailure> XdgAutostartEntry::SetKeyValue(AutostartScope scope,
                                                               const std::string& name,
                                                               const std::string& programPath) {
    const std::string path = EntryPath(scope, name);
    std::error_code created;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), created);
    if (created) return AutostartFailure{path, created.message()};
    if (const int error = ReplaceFile(path, AutostartDesktopEntry(programPath), kEntryMode)) {
        return Failure(path, error);
    }
    return std::nullopt;
}

std::optional<AutostartFailure> XdgAutostartEntry::DeleteKeyValue(AutostartScope scope,
                                                                  const std::string& name) {
    const std::string path = EntryPath(scope, name);
    if (::unlink(path.c_str()) == 0 || errno == ENOENT || errno == ENOTDIR) return std::nullopt;
    const int error = errno;
    // A folder we may not change (read-only, or on a read-only file system)
    // may still hold no entry to delete.
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0 && (errno == ENOENT || errno == ENOTDIR)) {
        return std::nullopt;
    }
    return Failure(path, error);
}

std::unique_ptr<AutostartEntry> MakePlatformAutostartEntry() {
    return std::make_unique<XdgAutostartEntry>(XdgAutostartEntry::DefaultFolders());
}

}  // namespace tess
