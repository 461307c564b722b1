#include "common/win32/AnsiText.h"

#include <windows.h>

namespace tess {

namespace {

std::wstring ToWide(const std::string& text, UINT codePage) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), length);
    return wide;
}

// No "best fit": a character the code page lacks becomes '?' rather than a
// look-alike, which in a path could name another file.
std::string FromWide(const std::wstring& wide, UINT codePage) {
    if (wide.empty()) return {};
    const int size = static_cast<int>(wide.size());
    const DWORD flags = codePage == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
    const int length =
        WideCharToMultiByte(codePage, flags, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(codePage, flags, wide.data(), size, text.data(), length, nullptr, nullptr);
    return text;
}

}  // namespace

std::string Utf8ToAnsi(const std::string& text) {
    return FromWide(ToWide(text, CP_UTF8), CP_ACP);
}

std::string AnsiToUtf8(const std::string& text) {
    return FromWide(ToWide(text, CP_ACP), CP_UTF8);
}

}  // namespace tess
