#pragma once

#include <string>

namespace tess {

// The program keeps its texts in UTF-8; the Windows "W" functions take and give
// UTF-16. Malformed UTF-8 bytes become U+FFFD.
std::wstring Utf8ToWide(const std::string& text);
std::string WideToUtf8(const std::wstring& text);

// Text of code page `codePage` as UTF-16, and back with WideCharToMultiByte's `flags`.
std::wstring CodePageToWide(const std::string& text, unsigned codePage);
std::string WideToCodePage(const std::wstring& text, unsigned codePage, unsigned long flags);

}  // namespace tess
