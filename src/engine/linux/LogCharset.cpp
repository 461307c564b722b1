#include "engine/LogCharset.h"

#include <iconv.h>
#include <langinfo.h>

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
    std::string held;

    bool Converts() const { return convert != reinterpret_cast<iconv_t>(-1); }
};

LogTextDecoder::LogTextDecoder() : state_(std::make_unique<State>()) {
    const char* codeset = nl_langinfo(CODESET);
    if (!IsUtf8Codeset(codeset)) state_->convert = iconv_open("UTF-8", codeset);
}

LogTextDecoder::~LogTextDecoder() {
    if (state_->Converts()) iconv_close(state_->convert);
}

void LogTextDecoder::Decode(std::string_view bytes, std::string& out) {
    std::string& held = state_->held;
    if (!held.empty()) {
        held.append(bytes);
        bytes = held;
    }
    std::size_t taken = 0;
    if (!state_->Converts()) {
        taken = AppendWellFormedUtf8(bytes, out);
    } else {
        // No character set that iconv knows takes more than four UTF-8 bytes
        // for one of its bytes.
        const std::size_t start = out.size();
        out.resize(start + bytes.size() * 4);
        char* in = const_cast<char*>(bytes.data());
        std::size_t inLeft = bytes.size();
        char* to = out.data() + start;
        std::size_t toLeft = out.size() - start;
        while (inLeft > 0 &&
               iconv(state_->convert, &in, &inLeft, &to, &toLeft) == std::size_t(-1)) {
            if (errno != EILSEQ) break;  // EINVAL: a character cut off at the end
            *to++ = kReplacementCharacter[0];
            *to++ = kReplacementCharacter[1];
            *to++ = kReplacementCharacter[2];
            toLeft -= 3;
            ++in;
            --inLeft;
        }
        out.resize(out.size() - toLeft);
        taken = bytes.size() - inLeft;
    }
    held = std::string(bytes.substr(taken));
}

void LogTextDecoder::Finish(std::string& out) {
    if (!state_->held.empty()) out += kReplacementCharacter;
    state_->held.clear();
}

}  // namespace tess
