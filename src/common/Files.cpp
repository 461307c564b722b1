#include "Files.h"

#include <exception>
#include <system_error>

namespace tess {

bool FileExists(const std::string& path) {
    if (path.empty()) return false;
    try {
        std::error_code error;
        (void)std::filesystem::last_write_time(Utf8Path(path), error);
        return !error;
    } catch (const std::exception&) {
        return false;  // not a path at all
    }
}

namespace {
// Where the folder part of `path` ends; Windows also takes '/' as a separator.
std::string::size_type LastSeparator(const std::string& path) {
    return path.find_last_of(NativeSeparator() == '\\' ? "\\/" : "/");
}
}  // namespace

std::string FolderOfPath(const std::string& executablePath) {
    const auto cut = LastSeparator(executablePath);
    if (cut == std::string::npos) return {};
    std::string folder = executablePath.substr(0, cut);
    // "C:\x.exe" lives in "C:\", "/x" in "/": a root keeps its separator.
    if (folder.empty() || (folder.size() == 2 && folder[1] == ':')) {
        folder += executablePath[cut];
    }
    return folder;
}

std::string NotARegularFileText(const std::string& path) {
    return "Not a regular file: " + path;
}

std::string FileNameOfPath(const std::string& path) {
    const auto cut = LastSeparator(path);
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string ProgramFolder() {
    return FolderOfPath(ExecutablePath());
}

std::string InFolder(const std::string& folder, const std::string& name) {
    std::string path = folder;
    if (path.empty() || path.back() != NativeSeparator()) path += NativeSeparator();
    return path + name;
}

std::string InProgramFolder(const std::string& name) {
    return InFolder(ProgramFolder(), name);
}

std::filesystem::path Utf8Path(const std::string& path) {
    return std::filesystem::path(
        std::u8string(reinterpret_cast<const char8_t*>(path.data()), path.size()));
}

std::string PathText(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(reinterpret_cast<const char*>(text.data()), text.size());
}

}  // namespace tess
