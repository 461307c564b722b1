#pragma once

#include <string>

namespace tess {

// The text of a desktop entry's string value: backslash, newline, tab and
// carriage return written as their escapes.
std::string DesktopStringValue(const std::string& text);

// The Exec value that runs the program at `programPath` without arguments:
// the path in double quotes, with '"', '`', '$' and '\' escaped by a backslash
// and '%' written as "%%", then escaped as a string value.
std::string DesktopExecValue(const std::string& programPath);

// The desktop entry that starts the program at `programPath` at logon.
std::string AutostartDesktopEntry(const std::string& programPath);

}  // namespace tess
