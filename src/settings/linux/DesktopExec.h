#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tess {

// What the field codes of an Exec value stand for, for one file.
struct DesktopExecFields {
    // The file's path (%f, %F) and its file: URL (%u, %U); both empty for none.
    std::string file;
    std::string url;
    // The entry's Icon (%i gives "--icon" and it), Name (%c) and the desktop
    // file's own path (%k).
    std::string icon;
    std::string name;
    std::string location;
};

// The command line of a desktop entry's Exec value as the Desktop Entry
// Specification reads it: the string escapes undone, then split into
// arguments at spaces outside double quotes (in which '\' escapes '"', '`',
// '$' and '\'), then the field codes replaced. An argument that was only field
// codes standing for nothing is left out, as are deprecated and unknown codes.
// An Exec without a file code gets the file as its last argument, as desktops
// give it. Nothing when a quote is left open, a quoted argument holds another
// escape, or there is no program.
std::optional<std::vector<std::string>> DesktopCommand(std::string_view exec,
                                                       const DesktopExecFields& fields);

}  // namespace tess
