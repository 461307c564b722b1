#include "engine/LogCharset.h"

#include <iconv.h>
#include <langinfo.h>

#include <algorithm>
#include <cerrno>

#include "engine/Utf8Text.h"
#include "engine/linux/Charset.h"

namespace tess {

std::string ToLogCharset(const std::string& text) {
    return FromUtf8ToLocale(text);
}

// The character set of the current C locale, as the writer takes it; UTF-8
// (and a set iconv does not know, which the writer leaves as UTF-8) is only
// checked, everything else converted by iconv.
struct LogTextDecoder::State {
    iconv_t convert = reinterpret_cast<iconv_t>(-1);

    bool Converts() const { return convert != reinterpret_cast<iconv_t>(-1); }
};

LogTextDecoder::LogTextDecoder() : state_(std::make_unique<State>()) {
    const char* codeset = nl_langinfo(CODESET);
    if (!IsUtf8Codeset(codeset)) state_->convert = iconv_open("UTF-8", codeset);
}

LogTextDecoder::~LogTextDecoder() {
    if (state_->Converts()) iconv_close(state_->convert);
}

std::size_t LogTextDecoder::DecodeWhole(std::string_view bytes, std::string& out) {
    if (!state_->Converts()) return AppendWellFormedUtf8(bytes, out);
    // No character set that iconv knows takes more than four UTF-8 bytes for
    // one of its bytes.
    const std::size_t start = out.size();
    out.resize(start + bytes.size() * 4);
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char* to = out.data() + start;
    std::size_t toLeft = out.size() - start;
    while (inLeft > 0 && iconv(state_->convert, &in, &inLeft, &to, &toLeft) == std::size_t(-1)) {
        if (errno != EILSEQ) break;  // EINVAL: a character cut off at the end
        to = std::copy(kReplacementCharacter.begin(), kReplacementCharacter.end(), to);
        toLeft -= kReplacementCharacter.size();
        ++in;
        --inLeft;
    }
    out.resize(out.size() - toLeft);
    return bytes.size() - inLeft;
}

}  // namespace tess
