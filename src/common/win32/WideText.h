#pragma once

#include <string>

namespace tess {

// The program keeps its texts in UTF-8; the Windows "W" functions take and give
// UTF-16. Malformed UTF-8 bytes become U+FFFD.
std::wstring Utf8ToWide(const std::string& text);
std::string WideToUtf8(const std::wstring& text);

}  // namespace tess
