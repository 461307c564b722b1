#include "engine/LogCharset.h"
#include "engine/Utf8Text.h"

namespace tess {

void LogTextDecoder::Decode(std::string_view bytes, std::string& out) {
    if (!held_.empty()) {
        held_.append(bytes);
        bytes = held_;
    }
    const std::size_t taken = DecodeWhole(bytes, out);
    held_ = std::string(bytes.substr(taken));
}

void LogTextDecoder::Finish(std::string& out) {
    if (!held_.empty()) out += kReplacementCharacter;
    held_.clear();
}

}  // namespace tess
