#include "engine/Utf8Text.h"

#include <cstdint>
#include <cstring>

namespace tess {

namespace {

// The character at the start of `bytes`, whose first byte is not ASCII: its
// length when it is well-formed; when it is not, minus the length of its
// ill-formed beginning (which one U+FFFD replaces, as Unicode recommends); 0
// when `bytes` cuts off a well-formed beginning.
int CharacterLength(std::string_view bytes) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(0);
    int length = 0;
    // The second byte's range narrows for some leads: no overlong forms, no
    // surrogates, nothing above U+10FFFF.
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return -1;
    }
    for (int i = 1; i < length; ++i) {
        if (static_cast<std::size_t>(i) == bytes.size()) return 0;
        const unsigned char next = byte(static_cast<std::size_t>(i));
        if (next < (i == 1 ? low : 0x80) || next > (i == 1 ? high : 0xBF)) return -i;
    }
    return length;
}

// How many bytes from `at` are ASCII, eight at a time where it can.
std::size_t AsciiRun(std::string_view bytes, std::size_t at) {
    std::size_t end = at;
    for (std::uint64_t word; end + 8 <= bytes.size(); end += 8) {
        std::memcpy(&word, bytes.data() + end, 8);
        if (word & 0x8080808080808080ULL) break;
    }
    while (end < bytes.size() && static_cast<unsigned char>(bytes[end]) < 0x80) ++end;
    return end - at;
}

}  // namespace

std::size_t AppendWellFormedUtf8(std::string_view bytes, std::string& out) {
    std::size_t at = 0;
    while (at < bytes.size()) {
        const std::size_t ascii = AsciiRun(bytes, at);
        out.append(bytes.data() + at, ascii);
        at += ascii;
        if (at == bytes.size()) break;
        const int length = CharacterLength(bytes.substr(at));
        if (length == 0) break;
        if (length < 0) {
            out += kReplacementCharacter;
            at += static_cast<std::size_t>(-length);
        } else {
            out.append(bytes.data() + at, static_cast<std::size_t>(length));
            at += static_cast<std::size_t>(length);
        }
    }
    return at;
}

}  // namespace tess
