#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tess {

// U+FFFD, the replacement character, in UTF-8.
inline constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

// Appends the UTF-8 text `bytes` to `out`, each byte that is not part of a
// well-formed character replaced by U+FFFD. A character cut off by the end of
// `bytes` is left out: returns how many bytes were taken.
std::size_t AppendWellFormedUtf8(std::string_view bytes, std::string& out);

}  // namespace tess
