#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace tess {

// Starts the program of `command` (looked up on PATH when it names no folder)
// with the rest as its arguments, without a shell and without waiting for it:
// in `folder` (ours when empty), in a session of its own, with the default
// handling of every signal and input from /dev/null. It stays this process's
// child, to be waited for. Throws tess::Error with the reason when it cannot
// be started.
pid_t StartProgram(const std::vector<std::string>& command, const std::string& folder);

}  // namespace tess
