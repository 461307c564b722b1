#include "history/LogLineParser.h"

#include <cstdint>

#include "common/CivilTime.h"
#include "engine/LogLine.h"

namespace tess {

namespace {

// Reads a decimal number as the writer writes it: no sign, no leading zero,
// at most `maxDigits` digits.
bool ReadNumber(std::string_view text, std::size_t& at, int maxDigits, std::int64_t& value) {
    const std::size_t start = at;
    value = 0;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9' &&
           at - start < static_cast<std::size_t>(maxDigits)) {
        value = value * 10 + (text[at] - '0');
        ++at;
    }
    const std::size_t digits = at - start;
    if (digits == 0 || (digits > 1 && text[start] == '0')) return false;
    return at == text.size() || text[at] < '0' || text[at] > '9';
}

bool Expect(std::string_view text, std::size_t& at, std::string_view piece) {
    if (text.substr(at, piece.size()) != piece) return false;
    at += piece.size();
    return true;
}

// "<n>%." or "<n>% (<H> Hours, <M> Minutes, <S> Seconds remaining on battery).",
// the part of a battery line after " Battery Level is ".
bool ReadBatteryPart(std::string_view text, Sample& sample) {
    std::size_t at = 0;
    std::int64_t percent = 0;
    if (!ReadNumber(text, at, 3, percent) || percent > 255 || !Expect(text, at, "%")) return false;
    std::int64_t remaining = -1;
    if (!Expect(text, at, ".")) {
        // The writer puts the clause only for a time of 0 seconds or more, so
        // its hours, minutes and seconds are never negative.
        std::int64_t hours = 0, minutes = 0, seconds = 0;
        if (!Expect(text, at, " (") || !ReadNumber(text, at, 6, hours) ||
            !Expect(text, at, kHoursWord) || !ReadNumber(text, at, 2, minutes) || minutes > 59 ||
            !Expect(text, at, kMinutesWord) || !ReadNumber(text, at, 2, seconds) || seconds > 59 ||
            !Expect(text, at, kSecondsWord) || !Expect(text, at, kRemainingOnBattery) ||
            !Expect(text, at, ".")) {
            return false;
        }
        remaining = hours * 3600 + minutes * 60 + seconds;
        if (remaining > INT32_MAX) return false;
    }
    if (at != text.size()) return false;
    sample.percent = static_cast<std::uint8_t>(percent);
    sample.remaining = static_cast<std::int32_t>(remaining);
    return true;
}

}  // namespace

bool LogLineParser::Parse(std::string_view line, Sample& sample) const {
    constexpr std::string_view onAc = kOnAcPower;
    Sample read;
    std::string_view dateText;
    if (line.size() > onAc.size() && line.substr(line.size() - onAc.size()) == onAc) {
        dateText = line.substr(0, line.size() - onAc.size());
        read.onAc = true;
    } else {
        const std::size_t phrase = line.find(kBatteryLevelIs);
        if (phrase == std::string_view::npos || phrase == 0) return false;
        dateText = line.substr(0, phrase);
        if (!ReadBatteryPart(line.substr(phrase + std::string_view(kBatteryLevelIs).size()),
                             read)) {
            return false;
        }
    }
    LocalDateTime moment;
    if (!dates_.Read(dateText, moment)) return false;
    read.time = SecondsOf(moment);
    sample = read;
    return true;
}

}  // namespace tess
