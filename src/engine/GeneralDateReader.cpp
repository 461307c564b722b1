#include "engine/GeneralDateReader.h"

#include <exception>

#include "common/CivilTime.h"

namespace tess {

using Kind = DateTimeField::Kind;

struct GeneralDateReader::Values {
    int year = -1;
    bool centuryLess = false;
    int month = -1;
    int day = -1;
    int hour = -1;
    int hour12 = -1;
    int half = -1;  // 0 morning, 1 afternoon
    int minute = -1;
    int second = -1;
};

namespace {

bool StartsWithAt(std::string_view text, std::size_t at, const std::string& piece) {
    return text.size() - at >= piece.size() && text.compare(at, piece.size(), piece) == 0;
}

// The index of the longest of `texts` that starts at `at`, or -1.
int LongestAt(std::string_view text, std::size_t at, const std::vector<std::string>& texts) {
    int found = -1;
    std::size_t length = 0;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const std::string& candidate = texts[i];
        if (!candidate.empty() && (found < 0 || candidate.size() > length) &&
            StartsWithAt(text, at, candidate)) {
            found = static_cast<int>(i);
            length = candidate.size();
        }
    }
    return found;
}

// The moments the self-check writes and reads back: every month, hours on both
// sides of noon, one- and two-digit fields, and a midnight (the date alone).
std::vector<LocalDateTime> Probes() {
    std::vector<LocalDateTime> probes;
    for (int i = 0; i < 12; ++i) {
        probes.push_back({2001 + i * 3, i + 1, 1 + (i * 9) % 28, (i * 7 + 1) % 24,
                          (i * 13 + 7) % 60, (i * 17 + 3) % 60});
    }
    probes.push_back({2024, 2, 29, 0, 0, 0});
    probes.push_back({2030, 12, 31, 12, 0, 0});
    return probes;
}

}  // namespace

GeneralDateReader::GeneralDateReader(const DateTimeFormat& format, Encoding encoding) {
    try {
        const DateTimeFields date = format.ShortDateFields();
        const DateTimeFields time = format.LongTimeFields();
        problem_ = !date.unreadable.empty() ? date.unreadable : time.unreadable;
        if (!problem_.empty()) return;
        date_ = Compile(date, encoding);
        time_ = Compile(time, encoding);
        problem_ = Check(format, encoding);
    } catch (const std::exception& error) {
        problem_ = error.what();
    }
}

GeneralDateReader::Part GeneralDateReader::Compile(const DateTimeFields& description,
                                                   Encoding encoding) {
    Part part;
    part.fields = description.fields;
    for (DateTimeField& field : part.fields) {
        for (std::string& text : field.texts) text = encoding(text);
    }
    for (int i = 0; i < 10; ++i) {
        part.digits[i] = encoding(description.digits[i]);
        part.asciiDigits =
            part.asciiDigits && part.digits[i] == std::string(1, static_cast<char>('0' + i));
    }
    return part;
}

std::string GeneralDateReader::Check(const DateTimeFormat& format, Encoding encoding) const {
    for (const LocalDateTime& probe : Probes()) {
        const std::string text = encoding(GeneralDate(probe, format));
        LocalDateTime back;
        if (!Read(text, back) || !(back == probe)) {
            return "the date \"" + text + "\" does not read back as the moment it was written for";
        }
    }
    return {};
}

bool GeneralDateReader::Match(const Part& part, std::string_view text, std::size_t& at,
                              Values& values) {
    for (const DateTimeField& field : part.fields) {
        switch (field.kind) {
            case Kind::Text:
                if (!StartsWithAt(text, at, field.texts.front())) return false;
                at += field.texts.front().size();
                break;
            case Kind::MonthName:
            case Kind::DayName:
            case Kind::AmPm: {
                const int index = LongestAt(text, at, field.texts);
                if (index < 0) return false;
                at += field.texts[static_cast<std::size_t>(index)].size();
                if (field.kind == Kind::MonthName) values.month = index + 1;
                if (field.kind == Kind::AmPm) values.half = index;
                break;
            }
            default: {
                int value = 0;
                int count = 0;
                while (count < field.maxDigits && at < text.size()) {
                    int digit = -1;
                    if (part.asciiDigits) {
                        const char c = text[at];
                        if (c >= '0' && c <= '9') {
                            digit = c - '0';
                            ++at;
                        }
                    } else {
                        for (int d = 0; d < 10 && digit < 0; ++d) {
                            if (StartsWithAt(text, at, part.digits[d])) {
                                digit = d;
                                at += part.digits[d].size();
                            }
                        }
                    }
                    if (digit < 0) break;
                    value = value * 10 + digit;
                    ++count;
                }
                if (count < field.minDigits || count == 0) return false;
                switch (field.kind) {
                    case Kind::Year:
                        values.year = value;
                        values.centuryLess = field.maxDigits <= 2;
                        break;
                    case Kind::Month:
                        values.month = value;
                        break;
                    case Kind::Day:
                        values.day = value;
                        break;
                    case Kind::Hour:
                        values.hour = value;
                        break;
                    case Kind::Hour12:
                        values.hour12 = value;
                        break;
                    case Kind::Minute:
                        values.minute = value;
                        break;
                    case Kind::Second:
                        values.second = value;
                        break;
                    default:
                        return false;
                }
            }
        }
    }
    return true;
}

bool GeneralDateReader::ToMoment(const Values& v, bool withTime, LocalDateTime& moment) {
    int year = v.year;
    // A year without its century lies within 1950 to 2049.
    if (v.centuryLess) year += year < 50 ? 2000 : 1900;
    if (v.year < 0 || !IsValidDate(year, v.month, v.day)) return false;
    int hour = 0;
    if (withTime) {
        if (v.hour >= 0) {
            hour = v.hour;
        } else if (v.hour12 >= 1 && v.hour12 <= 12 && v.half >= 0) {
            hour = v.hour12 % 12 + 12 * v.half;
        } else {
            return false;  // no hour, or a 12-hour clock that does not say which half
        }
        if (hour > 23 || v.minute < 0 || v.minute > 59 || v.second < 0 || v.second > 59) {
            return false;
        }
    }
    moment = {year, v.month, v.day, hour, withTime ? v.minute : 0, withTime ? v.second : 0};
    return true;
}

bool GeneralDateReader::Read(std::string_view text, LocalDateTime& moment) const {
    if (!problem_.empty()) return false;
    Values values;
    std::size_t at = 0;
    if (!Match(date_, text, at, values)) return false;
    if (at == text.size()) return ToMoment(values, false, moment);
    if (text[at] != ' ') return false;
    ++at;
    if (!Match(time_, text, at, values) || at != text.size()) return false;
    return ToMoment(values, true, moment);
}

}  // namespace tess
