#pragma once

#include <cstddef>
#include <string>

namespace tess {

// The program keeps its texts in UTF-8; the Windows "A" functions and the log
// file take them in the system's ANSI code page. Characters the code page
// lacks become '?'.
std::string Utf8ToAnsi(const std::string& text);
// As much of the ANSI text of `text` as fits `maxBytes` bytes, cut after a whole
// character (one byte or several, as the code page takes it).
std::string Utf8ToAnsi(const std::string& text, std::size_t maxBytes);
std::string AnsiToUtf8(const std::string& text);
// The ANSI text as UTF-16, for the "W" functions.
std::wstring AnsiToWide(const std::string& text);

}  // namespace tess
