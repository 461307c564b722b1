#include "engine/LogCharset.h"

#include <windows.h>

#include "common/win32/AnsiText.h"
#include "common/win32/WideText.h"
#include "engine/Utf8Text.h"

namespace tess {

std::string ToLogCharset(const std::string& text) {
    return Utf8ToAnsi(text);
}

// The ANSI code page, as the writer takes it. In a double-byte code page a
// lead byte at the end of a piece waits for its trail byte.
struct LogTextDecoder::State {
    UINT codePage = GetACP();
    bool doubleByte = false;

    // How many bytes of `bytes` are whole characters.
    std::size_t WholeCharacters(std::string_view bytes) const {
        if (!doubleByte) return bytes.size();
        std::size_t at = 0;
        while (at < bytes.size()) {
            const std::size_t length =
                IsDBCSLeadByteEx(codePage, static_cast<BYTE>(bytes[at])) ? 2 : 1;
            if (at + length > bytes.size()) break;
            at += length;
        }
        return at;
    }
};

LogTextDecoder::LogTextDecoder() : state_(std::make_unique<State>()) {
    CPINFO info{};
    state_->doubleByte = GetCPInfo(state_->codePage, &info) && info.MaxCharSize == 2;
}

LogTextDecoder::~LogTextDecoder() = default;

std::size_t LogTextDecoder::DecodeWhole(std::string_view bytes, std::string& out) {
    if (state_->codePage == CP_UTF8) return AppendWellFormedUtf8(bytes, out);
    const std::size_t whole = state_->WholeCharacters(bytes);
    out += WideToUtf8(CodePageToWide(std::string(bytes.substr(0, whole)), state_->codePage));
    return whole;
}

}  // namespace tess
