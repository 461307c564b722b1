#include "settings/linux/XdgAutostartEntry.h"

#include <iconv.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <utility>

#include "common/AppTitle.h"
#include "common/Error.h"
#include "common/Files.h"
#include "settings/linux/DesktopEntry.h"
#include "settings/linux/DesktopExec.h"
#include "settings/linux/DesktopFile.h"
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

// The entry's file name: the program's own, in its own namespace, whatever the
// program's file is called (a copy named like another program must not take
// that program's entry).
constexpr const char* kEntryName = "example.quorvane.Tessaline";

// Whether `text` is well-formed UTF-8, as every value of a desktop file must be.
bool IsUtf8(const std::string& text) {
    const iconv_t check = iconv_open("UTF-8", "UTF-8");
    if (check == reinterpret_cast<iconv_t>(-1)) return false;
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    std::string out(text.size(), '\0');
    char* to = out.data();
    std::size_t toLeft = out.size();
    const bool converted = iconv(check, &in, &inLeft, &to, &toLeft) != std::size_t(-1);
    iconv_close(check);
    return converted && inLeft == 0;
}

// Whether the desktops start the program at `path` from an entry: GLib takes
// no '%' in an Exec value however it is quoted, and no value holds control
// characters or bytes that are not UTF-8.
bool DesktopsStart(const std::string& path) {
    for (const char c : path) {
        if (c == '%' || static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return false;
    }
    return IsUtf8(path);
}

// Whether the regular file at `path` is an entry that this program wrote under
// the name of its own file, as it once did: named after the product, starting
// a program of that file name. Another program's entry of that name is not.
bool IsOurEntryNamedAfterTheFile(const std::string& path, const std::string& fileName) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return false;
    const auto file = ReadDesktopFile(path);
    if (!file) return false;
    const auto group = file->find("Desktop Entry");
    if (group == file->end()) return false;
    const auto command = DesktopCommand(DesktopValue(group->second, "Exec"), {});
    return DesktopStringText(DesktopValue(group->second, "Name")) == kProductTitle && command &&
           FileNameOfPath(command->front()) == fileName;
}

// Deletes the entry file at `path`; one that is not there counts as deleted.
std::optional<AutostartFailure> DeleteEntryFile(const std::string& path) {
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

}  // namespace

XdgAutostartEntry::XdgAutostartEntry(XdgAutostartFolders folders) : folders_(std::move(folders)) {}

XdgAutostartFolders XdgAutostartEntry::DefaultFolders() {
    const char* dirs = std::getenv("XDG_CONFIG_DIRS");
    std::string machine = FirstAbsoluteFolder(dirs != nullptr ? dirs : "");
    if (machine.empty()) machine = "/etc/xdg";
    return {machine + "/autostart", IniSettingsStore::DefaultFolder() + "/autostart"};
}

std::string XdgAutostartEntry::EntryPath(AutostartScope scope) const {
    return FileInFolder(scope, kEntryName);
}

std::string XdgAutostartEntry::FileInFolder(AutostartScope scope, const std::string& name) const {
    const std::string& folder = scope == AutostartScope::Machine ? folders_.machine : folders_.user;
    return folder + '/' + name + ".desktop";
}

std::optional<AutostartFailure> XdgAutostartEntry::SetKeyValue(AutostartScope scope,
                                                               const std::string&,
                                                               const std::string& programPath) {
    if (!DesktopsStart(programPath)) {
        throw Error("Cannot start " + programPath +
                    " with the system: the desktops do not start a program whose path holds "
                    "\"%\", a control character or bytes that are not UTF-8");
    }
    const std::string path = EntryPath(scope);
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
    auto failure = DeleteEntryFile(EntryPath(scope));
    const std::string earlier = FileInFolder(scope, name);
    if (!failure && IsOurEntryNamedAfterTheFile(earlier, name)) failure = DeleteEntryFile(earlier);
    return failure;
}

std::unique_ptr<AutostartEntry> MakePlatformAutostartEntry() {
    return std::make_unique<XdgAutostartEntry>(XdgAutostartEntry::DefaultFolders());
}

}  // namespace tess
