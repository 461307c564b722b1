#pragma once

#include <string>

namespace tess {

// Converts UTF-8 text to the character set of the current C locale. Characters
// the locale cannot represent become '?'. UTF-8 locales pass the text unchanged.
std::string FromUtf8ToLocale(const std::string& text);

// True when `codeset` (as nl_langinfo names it) is UTF-8.
bool IsUtf8Codeset(const char* codeset);

}  // namespace tess
