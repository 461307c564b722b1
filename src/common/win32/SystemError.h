#pragma once

#include <string>

namespace tess {

// The system's description of a Windows error code (GetLastError, LSTATUS), in
// UTF-8, without the line break the system puts at its end.
std::string SystemErrorText(unsigned long code);

// Throws tess::Error with the description of `code`, after `context` when one is given.
[[noreturn]] void ThrowSystemError(unsigned long code, const std::string& context = {});

}  // namespace tess
