#pragma once

#include <string>

namespace tess {

// The program keeps its texts in UTF-8; the Windows "A" functions and the log
// file take them in the system's ANSI code page. Characters the code page
// lacks become '?'.
std::string Utf8ToAnsi(const std::string& text);
std::string AnsiToUtf8(const std::string& text);

}  // namespace tess
