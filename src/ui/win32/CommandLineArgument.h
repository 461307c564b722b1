#pragma once

#include <string>

namespace tess {

// `argument` as one argument of a Windows command line: in double quotes, with
// a backslash before each double quote in it and the backslashes that come
// before a double quote (its own or the closing one) doubled, so that the
// started program reads it back whole and unchanged by the rules of
// CommandLineToArgvW and of the C runtime. Works on UTF-8 text.
std::string QuoteArgument(const std::string& argument);

}  // namespace tess
