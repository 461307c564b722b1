#pragma once

#include <optional>
#include <string>

namespace tess {

// `title` without its last word when that word is `word` (or `word` is empty).
std::string DropTrailingWord(const std::string& title, const std::string& word);

// `text` without the characters that do not belong in a file name.
std::string StripNameChars(const std::string& text);

// The file-name stem of a product title.
std::string FileNameStem(const std::string& title);

// The default log path: `folder`, the separator, the stem of `title` and ".txt".
std::string ComposeDefaultLogPath(const std::string& folder, char separator,
                                  const std::string& title);

// The platform's default log path for the product title (computed from TEMP
// or, where the platform needs it, a per-user state folder).
std::string ComputeDefaultLogPath(const std::string& title);

// The global default log path, set once at start-up.
extern std::string DefaultLogPath;

}  // namespace tess
