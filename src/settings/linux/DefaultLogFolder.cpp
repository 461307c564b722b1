#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "settings/DataFolder.h"
#include "settings/DefaultLogPath.h"

namespace tess {

namespace {

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// $XDG_STATE_HOME, or ~/.local/state when it is unset or not an absolute path.
std::string StateFolder() {
    const std::string state = Env("XDG_STATE_HOME");
    if (!state.empty() && state.front() == '/') return state;
    return Env("HOME") + "/.local/state";
}

}  // namespace

// TEMP when the user has set one, as on Windows; otherwise the per-user state
// folder, which is created here so that the log can be opened in it.
std::string ComputeDefaultLogPath(const std::string& title) {
    const std::string temp = Env("TEMP");
    if (!temp.empty()) return ComposeDefaultLogPath(temp, '/', title);
    const std::string folder = StateFolder();
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    return ComposeDefaultLogPath(folder, '/', title);
}

// Without an absolute state folder or a home, there is no folder of the user's.
std::string ComputeDataFolder(const std::string& title) {
    const std::string state = Env("XDG_STATE_HOME");
    if ((state.empty() || state.front() != '/') && Env("HOME").empty()) return {};
    return StateFolder() + '/' + FileNameStem(title);
}

}  // namespace tess
