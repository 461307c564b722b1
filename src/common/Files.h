#pragma once

#include <filesystem>
#include <string>

namespace tess {

// True exactly when the last-modification time of `path` can be read. Never throws.
bool FileExists(const std::string& path);

// The full path of the running executable, or "" when the system does not tell.
std::string ExecutablePath();

// The folder that holds the running executable, without a trailing separator
// except at a drive or filesystem root.
std::string ProgramFolder();

// The folder part of an executable's full path, by the rule above.
std::string FolderOfPath(const std::string& executablePath);

// The report's description of a path that names no regular file (a folder, a
// device, a pipe) where a command needs one.
std::string NotARegularFileText(const std::string& path);

// The file-name part of a path: what follows its last separator.
std::string FileNameOfPath(const std::string& path);

// Joins a folder and a name with the native separator (just one at a root).
std::string InFolder(const std::string& folder, const std::string& name);

// Joins the program folder and a name with the native separator.
std::string InProgramFolder(const std::string& name);

// The platform's path separator.
char NativeSeparator();

// A path kept as UTF-8 text, for the file system: the conversion to the
// system's own form of paths (wide characters on Windows) happens here only.
// Throws std::filesystem::filesystem_error for bytes that are not UTF-8 where
// paths are wide; elsewhere the bytes are taken as they are.
std::filesystem::path Utf8Path(const std::string& path);
// The UTF-8 text of a file system path.
std::string PathText(const std::filesystem::path& path);

}  // namespace tess
