#pragma once

#include <string>

namespace tess {

// UTF-8 text as the log file holds it: in the system's text encoding, the
// conversion the log writer makes (characters it lacks become '?').
std::string ToLogCharset(const std::string& text);

}  // namespace tess
