#include "ui/win32/CommandLineArgument.h"

#include <cstddef>

namespace tess {

// Backslashes mean themselves except in a run that ends at a double quote,
// where each pair stands for one backslash and an odd one makes the quote a
// literal character.
std::string QuoteArgument(const std::string& argument) {
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (const char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
        quoted += c;
        backslashes = 0;
    }
    quoted.append(2 * backslashes, '\\');
    quoted += '"';
    return quoted;
}

}  // namespace tess
