#include "ui/linux/XdgMimeApps.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <system_error>

namespace tess {

namespace fs = std::filesystem;

namespace {

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

std::vector<std::string> Split(const std::string& list) {
    std::vector<std::string> items;
    for (std::size_t start = 0; start <= list.size();) {
        auto end = list.find(':', start);
        if (end == std::string::npos) end = list.size();
        if (end > start) items.push_back(list.substr(start, end - start));
        start = end + 1;
    }
    return items;
}

// The absolute folders of a colon-separated list, or the default list when
// it has none.
std::vector<std::string> AbsoluteFolders(const std::string& list, const std::string& fallback) {
    std::vector<std::string> folders;
    for (const std::string& folder : Split(list)) {
        if (folder.front() == '/') folders.push_back(folder);
    }
    return folders.empty() ? Split(fallback) : folders;
}

std::string AbsoluteFolder(const std::string& folder, const std::string& fallback) {
    return !folder.empty() && folder.front() == '/' ? folder : fallback;
}

// True when `program` names an executable file, itself or on PATH.
bool IsProgram(const std::string& program) {
    if (program.find('/') != std::string::npos) return ::access(program.c_str(), X_OK) == 0;
    for (const std::string& folder : Split(Env("PATH"))) {
        if (::access((folder + '/' + program).c_str(), X_OK) == 0) return true;
    }
    return false;
}

// One folder of the search, in the order of precedence: a configuration
// folder has a mimeapps.list, an applications folder has one and desktop files.
struct SearchFolder {
    std::string folder;
    bool applications;
};

class MimeApps {
public:
    explicit MimeApps(const XdgDirs& dirs) : dirs_(dirs) {
        for (const std::string& config : Folders(dirs.configHome, dirs.configDirs)) {
            folders_.push_back({config, false});
        }
        for (const std::string& data : Folders(dirs.dataHome, dirs.dataDirs)) {
            folders_.push_back({data + "/applications", true});
            IndexDesktopFiles(data + "/applications");
        }
    }

    std::optional<DesktopApplication> DefaultFor(const std::string& type) {
        const std::vector<std::string> associated = Associated(type);
        const auto isAssociated = [&](const std::string& id) {
            return std::find(associated.begin(), associated.end(), id) != associated.end();
        };
        for (const SearchFolder& search : folders_) {
            for (const std::string& list : ListFiles(search.folder)) {
                for (const std::string& id : Ids(list, "Default Applications", type)) {
                    if (!isAssociated(id)) continue;
                    if (auto application = Installed(id)) return application;
                }
            }
        }
        for (const std::string& id : associated) {
            if (auto application = Installed(id)) return application;
        }
        return std::nullopt;
    }

private:
    // The folders of a home and its list, those not given left out.
    static std::vector<std::string> Folders(const std::string& home,
                                            const std::vector<std::string>& list) {
        std::vector<std::string> folders;
        if (!home.empty()) folders.push_back(home);
        for (const std::string& folder : list) {
            if (!folder.empty()) folders.push_back(folder);
        }
        return folders;
    }

    // The mimeapps.list files of a folder: the current desktops' first.
    std::vector<std::string> ListFiles(const std::string& folder) const {
        std::vector<std::string> files;
        for (const std::string& desktop : dirs_.desktops) {
            files.push_back(folder + '/' + desktop + "-mimeapps.list");
        }
        files.push_back(folder + "/mimeapps.list");
        return files;
    }

    // The desktop file IDs that a group of a mimeapps.list gives the type.
    std::vector<std::string> Ids(const std::string& list, const std::string& group,
                                 const std::string& type) {
        const DesktopFile* file = Read(list);
        if (file == nullptr) return {};
        const auto found = file->find(group);
        if (found == file->end()) return {};
        return DesktopListValue(DesktopValue(found->second, type));
    }

    // The applications associated with the type, the most preferred first.
    std::vector<std::string> Associated(const std::string& type) {
        std::vector<std::string> associated;
        std::set<std::string> removed;
        const auto add = [&](const std::string& id) {
            if (removed.count(id) == 0 &&
                std::find(associated.begin(), associated.end(), id) == associated.end()) {
                associated.push_back(id);
            }
        };
        for (const SearchFolder& search : folders_) {
            const std::string list = search.folder + "/mimeapps.list";
            for (const std::string& id : Ids(list, "Default Applications", type)) add(id);
            for (const std::string& id : Ids(list, "Added Associations", type)) add(id);
            for (const std::string& id : Ids(list, "Removed Associations", type)) {
                removed.insert(id);
            }
            if (!search.applications) continue;
            for (const auto& [id, path] : desktopFiles_) {
                if (path.rfind(search.folder + '/', 0) != 0) continue;
                const DesktopGroup* entry = EntryOf(path);
                if (entry == nullptr) continue;
                const auto types = DesktopListValue(DesktopValue(*entry, "MimeType"));
                if (std::find(types.begin(), types.end(), type) != types.end()) add(id);
            }
        }
        return associated;
    }

    std::optional<DesktopApplication> Installed(const std::string& id) {
        const auto found = desktopFiles_.find(id);
        if (found == desktopFiles_.end()) return std::nullopt;
        const DesktopGroup* entry = EntryOf(found->second);
        if (entry == nullptr || DesktopValue(*entry, "Type") != "Application" ||
            DesktopValue(*entry, "Hidden") == "true" || DesktopValue(*entry, "Exec").empty()) {
            return std::nullopt;
        }
        const std::string tryExec = DesktopStringText(DesktopValue(*entry, "TryExec"));
        if (!tryExec.empty() && !IsProgram(tryExec)) return std::nullopt;
        return DesktopApplication{id, found->second, *entry};
    }

    // Every desktop file of an applications folder by its ID: its path below
    // the folder with '/' as '-'. An ID found in an earlier folder stays.
    void IndexDesktopFiles(const std::string& folder) {
        std::error_code error;
        fs::recursive_directory_iterator it(folder, fs::directory_options::follow_directory_symlink,
                                            error);
        for (; !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
            const fs::path& file = it->path();
            if (file.extension() != ".desktop" || !it->is_regular_file(error)) continue;
            std::string id = file.lexically_relative(folder).string();
            std::replace(id.begin(), id.end(), '/', '-');
            desktopFiles_.emplace(id, file.string());
        }
    }

    const DesktopFile* Read(const std::string& path) {
        auto found = files_.find(path);
        if (found == files_.end()) found = files_.emplace(path, ReadDesktopFile(path)).first;
        return found->second ? &*found->second : nullptr;
    }

    const DesktopGroup* EntryOf(const std::string& path) {
        const DesktopFile* file = Read(path);
        if (file == nullptr) return nullptr;
        const auto entry = file->find("Desktop Entry");
        return entry == file->end() ? nullptr : &entry->second;
    }

    const XdgDirs& dirs_;
    std::vector<SearchFolder> folders_;
    std::map<std::string, std::string> desktopFiles_;
    std::map<std::string, std::optional<DesktopFile>> files_;
};

}  // namespace

XdgDirs XdgDirs::FromEnvironment() {
    const std::string home = Env("HOME");
    XdgDirs dirs;
    dirs.configHome = AbsoluteFolder(Env("XDG_CONFIG_HOME"), home + "/.config");
    dirs.configDirs = AbsoluteFolders(Env("XDG_CONFIG_DIRS"), "/etc/xdg");
    dirs.dataHome = AbsoluteFolder(Env("XDG_DATA_HOME"), home + "/.local/share");
    dirs.dataDirs = AbsoluteFolders(Env("XDG_DATA_DIRS"), "/usr/local/share:/usr/share");
    for (std::string desktop : Split(Env("XDG_CURRENT_DESKTOP"))) {
        for (char& c : desktop) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        dirs.desktops.push_back(desktop);
    }
    return dirs;
}

std::optional<DesktopApplication> DefaultApplication(const std::string& mimeType,
                                                     const XdgDirs& dirs) {
    return MimeApps(dirs).DefaultFor(mimeType);
}

}  // namespace tess
