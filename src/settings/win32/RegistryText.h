#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace tess {

// String values of the registry through the wide ("W") functions. The registry
// keeps every name and string as UTF-16, so a text in any of the user's
// characters is stored and read back whole, whatever the ANSI code page; a
// value that an ANSI ("A") function stored reads back as the same text. On the
// program's side the texts are UTF-8.

// Stores `text` as the REG_SZ value `name` of `key`, with its terminating zero.
LSTATUS SetStringValue(HKEY key, const std::string& name, const std::string& text);

// The text of the value `name` of `key`, or nothing when it is missing or not
// a string. Throws tess::Error with `where` and the reason when it cannot be read.
std::optional<std::string> QueryStringValue(HKEY key, const std::string& name,
                                            const std::string& where);

}  // namespace tess
