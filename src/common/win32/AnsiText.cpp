#include "common/win32/AnsiText.h"

#include <windows.h>

#include "common/win32/WideText.h"

namespace tess {

namespace {

// No "best fit": a character the code page lacks becomes '?' rather than a
// look-alike, which in a path could name another file. The flag is refused
// (and nothing converted) when the ANSI code page is UTF-8, the system's
// "worldwide language support" option, which lacks no character anyway.
std::string WideToAnsi(const std::wstring& wide) {
    return WideToCodePage(wide, CP_ACP, GetACP() == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS);
}

}  // namespace

std::wstring AnsiToWide(const std::string& text) {
    return CodePageToWide(text, CP_ACP);
}

std::string Utf8ToAnsi(const std::string& text) {
    return WideToAnsi(Utf8ToWide(text));
}

std::string Utf8ToAnsi(const std::string& text, std::size_t maxBytes) {
    const std::wstring wide = Utf8ToWide(text);
    std::size_t taken = 0;
    std::size_t bytes = 0;
    while (taken < wide.size()) {
        // A character outside the basic plane is a pair of UTF-16 units.
        const bool pair = IS_HIGH_SURROGATE(wide[taken]) && taken + 1 < wide.size() &&
                          IS_LOW_SURROGATE(wide[taken + 1]);
        const std::size_t units = pair ? 2 : 1;
        const std::size_t size = WideToAnsi(wide.substr(taken, units)).size();
        if (bytes + size > maxBytes) break;
        bytes += size;
        taken += units;
    }
    return WideToAnsi(wide.substr(0, taken));
}

std::string AnsiToUtf8(const std::string& text) {
    return WideToUtf8(AnsiToWide(text));
}

}  // namespace tess
