#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "engine/LogCharset.h"

namespace tess::test {

// The log's text in `bytes`, decoded in pieces of `piece` bytes, so that a
// piece may end inside a character.
inline std::string DecodeInPieces(std::string_view bytes, std::size_t piece) {
    LogTextDecoder decoder;
    std::string text;
    for (std::size_t at = 0; at < bytes.size(); at += piece) {
        decoder.Decode(bytes.substr(at, piece), text);
    }
    decoder.Finish(text);
    return text;
}

}  // namespace tess::test
