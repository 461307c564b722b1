#include "ui/IntegerText.h"

#include <algorithm>
#include <string_view>

#include "common/Error.h"

namespace tess {

namespace {

constexpr std::string_view kSpace = " \t\n\v\f\r";
// More integer digits than this (leading zeros aside) cannot fit 16 bits.
constexpr std::size_t kMostDigits = 5;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view Digits(std::string_view text, std::size_t& at) {
    const std::size_t start = at;
    while (at < text.size() && IsDigit(text[at])) ++at;
    return text.substr(start, at - start);
}

[[noreturn]] void Mismatch() {
    throw Error("Type mismatch");
}

}  // namespace

// Read digit by digit, so that text of any length costs one pass and no
// number, however long, loses its magnitude on the way.
std::int16_t ToInteger16(const std::string& text) {
    std::string_view body(text);
    const auto first = body.find_first_not_of(kSpace);
    if (first == std::string_view::npos) Mismatch();
    body = body.substr(first, body.find_last_not_of(kSpace) + 1 - first);

    std::size_t at = 0;
    const bool negative = body[at] == '-';
    if (body[at] == '-' || body[at] == '+') ++at;
    std::string_view whole = Digits(body, at);
    std::string_view fraction;
    if (at < body.size() && body[at] == '.') {
        ++at;
        fraction = Digits(body, at);
    }
    if (at != body.size() || (whole.empty() && fraction.empty())) Mismatch();

    whole.remove_prefix(std::min(whole.find_first_not_of('0'), whole.size()));
    if (whole.size() > kMostDigits) throw Error("Overflow");
    long magnitude = 0;
    for (const char digit : whole) magnitude = magnitude * 10 + (digit - '0');

    // Half rounds to the even neighbour; anything past half rounds up.
    if (!fraction.empty() && fraction[0] >= '5') {
        const bool pastHalf =
            fraction[0] > '5' || fraction.find_first_not_of('0', 1) != std::string_view::npos;
        if (pastHalf || magnitude % 2 == 1) ++magnitude;
    }
    const long value = negative ? -magnitude : magnitude;
    if (value < -32768 || value > 32767) throw Error("Overflow");
    return static_cast<std::int16_t>(value);
}

}  // namespace tess
