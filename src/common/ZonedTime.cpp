#include "common/ZonedTime.h"

#include <chrono>
#include <cstdlib>
#include <utility>

#include "common/CivilTime.h"
#include "common/LocalTime.h"

namespace tess {

namespace {

void AppendDigits(std::string& out, std::int64_t value, int digits) {
    std::string text = std::to_string(value);
    if (static_cast<int>(text.size()) < digits) out.append(digits - text.size(), '0');
    out += text;
}

// `digits` decimal digits at `at`, or -1.
int DigitsAt(std::string_view text, std::size_t at, int digits) {
    int value = 0;
    for (int i = 0; i < digits; ++i) {
        const char c = text[at + static_cast<std::size_t>(i)];
        if (c < '0' || c > '9') return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

ZonedMoment SystemZonedClock::Now() const {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    const std::tm local = ToLocalTime(now);
    const LocalDateTime clock{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                              local.tm_hour,        local.tm_min,     local.tm_sec};
    const auto utc = static_cast<std::int64_t>(now);
    return {utc, static_cast<std::int32_t>(SecondsOf(clock) - utc)};
}

std::string IsoText(const ZonedMoment& moment) {
    const LocalDateTime local = CivilFromSeconds(moment.Local());
    std::string text;
    AppendDigits(text, local.year, 4);
    text += '-';
    AppendDigits(text, local.month, 2);
    text += '-';
    AppendDigits(text, local.day, 2);
    text += 'T';
    AppendDigits(text, local.hour, 2);
    text += ':';
    AppendDigits(text, local.minute, 2);
    text += ':';
    AppendDigits(text, local.second, 2);
    const std::int32_t minutes = std::abs(moment.offset) / 60;
    text += moment.offset < 0 ? '-' : '+';
    AppendDigits(text, minutes / 60, 2);
    text += ':';
    AppendDigits(text, minutes % 60, 2);
    return text;
}

std::optional<ZonedMoment> ReadIsoText(std::string_view text) {
    // 2026-12-07T06:01:43 and then +01:00 or Z.
    if (text.size() != 25 && text.size() != 20) return std::nullopt;
    for (const auto& [at, c] :
         {std::pair<std::size_t, char>{4, '-'}, {7, '-'}, {10, 'T'}, {13, ':'}, {16, ':'}}) {
        if (text[at] != c) return std::nullopt;
    }
    const LocalDateTime local{DigitsAt(text, 0, 4),  DigitsAt(text, 5, 2),  DigitsAt(text, 8, 2),
                              DigitsAt(text, 11, 2), DigitsAt(text, 14, 2), DigitsAt(text, 17, 2)};
    if (local.year < 0 || !IsValidDate(local.year, local.month, local.day) || local.hour < 0 ||
        local.hour > 23 || local.minute < 0 || local.minute > 59 || local.second < 0 ||
        local.second > 59) {
        return std::nullopt;
    }
    std::int32_t offset = 0;
    if (text.size() == 20) {
        if (text[19] != 'Z') return std::nullopt;
    } else {
        const int hours = DigitsAt(text, 20, 2);
        const int minutes = DigitsAt(text, 23, 2);
        if ((text[19] != '+' && text[19] != '-') || text[22] != ':' || hours < 0 || hours > 23 ||
            minutes < 0 || minutes > 59) {
            return std::nullopt;
        }
        offset = (hours * 60 + minutes) * 60 * (text[19] == '-' ? -1 : 1);
    }
    return ZonedMoment{SecondsOf(local) - offset, offset};
}

}  // namespace tess
