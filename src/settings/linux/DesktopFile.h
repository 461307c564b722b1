#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tess {

// The keys of one group of a desktop file, with their values as written.
using DesktopGroup = std::map<std::string, std::string>;
// A desktop entry file, or a mimeapps.list, which has the same form: its
// groups by name. Comments, blank lines and lines that are no key or group are
// left out; a key given twice in a group keeps its first value.
using DesktopFile = std::map<std::string, DesktopGroup>;

// The file at `path`, or nothing when it cannot be read.
std::optional<DesktopFile> ReadDesktopFile(const std::string& path);

// The value of `key` in `group`, or "" when it has none.
std::string DesktopValue(const DesktopGroup& group, const std::string& key);

// The text of a string value: the escapes \s, \n, \t, \r and \\ undone.
std::string DesktopStringText(std::string_view value);

// The items of a list value, separated by ';' ("\;" is a ';' of an item);
// empty items are left out.
std::vector<std::string> DesktopListValue(std::string_view value);

}  // namespace tess
