#pragma once

#include <string>

namespace tess {

// The program's own data folder, for its files other than the log and the
// settings, named after the product title: on Linux in the per-user state
// folder ($XDG_STATE_HOME, else ~/.local/state), on Windows in
// %LOCALAPPDATA%. "" where the platform names no such folder. It is not made
// here; its writers make it.
std::string ComputeDataFolder(const std::string& title);

}  // namespace tess
