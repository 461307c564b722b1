#include "Files.h"

#include <filesystem>
#include <system_error>

namespace tess {

bool FileExists(const std::string& path) {
    if (path.empty()) return false;
    std::error_code error;
    (void)std::filesystem::last_write_time(std::filesystem::path(path), error);
    return !error;
}

std::string FolderOfPath(const std::string& executablePath) {
    const auto cut = executablePath.find_last_of(NativeSeparator() == '\\' ? "\\/" : "/");
    if (cut == std::string::npos) return {};
    std::string folder = executablePath.substr(0, cut);
    // "C:\x.exe" lives in "C:\", "/x" in "/": a root keeps its separator.
    if (folder.empty() || (folder.size() == 2 && folder[1] == ':')) {
        folder += executablePath[cut];
    }
    return folder;
}

std::string InProgramFolder(const std::string& name) {
    std::string folder = ProgramFolder();
    if (folder.empty() || folder.back() != NativeSeparator()) folder += NativeSeparator();
    return folder + name;
}

}  // namespace tess
