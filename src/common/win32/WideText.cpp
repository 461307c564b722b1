#include "common/win32/WideText.h"

#include <windows.h>

namespace tess {

std::wstring CodePageToWide(const std::string& text, unsigned codePage) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), length);
    return wide;
}

std::string WideToCodePage(const std::wstring& text, unsigned codePage, unsigned long flags) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int length =
        WideCharToMultiByte(codePage, flags, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(codePage, flags, text.data(), size, bytes.data(), length, nullptr,
                        nullptr);
    return bytes;
}

std::wstring Utf8ToWide(const std::string& text) {
    return CodePageToWide(text, CP_UTF8);
}

std::string WideToUtf8(const std::wstring& text) {
    return WideToCodePage(text, CP_UTF8, 0);
}

}  // namespace tess
