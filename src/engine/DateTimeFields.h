#pragma once

#include <array>
#include <string>
#include <vector>

namespace tess {

// One piece of a date or time rendering, in the order the rendering writes it.
struct DateTimeField {
    enum class Kind {
        Text,
        Year,
        Month,
        Day,
        Hour,
        Hour12,
        Minute,
        Second,
        AmPm,
        MonthName,
        DayName
    };

    Kind kind = Kind::Text;
    // Numbers: how many digits are written. A year of at most two digits is
    // the year within its century.
    int minDigits = 1;
    int maxDigits = 2;
    // Text: the one text written. MonthName: the 12 names from January.
    // DayName: the 7 names from Monday. AmPm: the morning and the afternoon text.
    std::vector<std::string> texts;

    static DateTimeField Number(Kind kind, int minDigits, int maxDigits) {
        return {kind, minDigits, maxDigits, {}};
    }
    static DateTimeField Literal(std::string text) { return {Kind::Text, 0, 0, {std::move(text)}}; }
    static DateTimeField Names(Kind kind, std::vector<std::string> names) {
        return {kind, 0, 0, std::move(names)};
    }
};

// A rendering described field by field, so that what it wrote can be read back.
struct DateTimeFields {
    std::vector<DateTimeField> fields;
    // How the digits 0 to 9 are written.
    std::array<std::string, 10> digits{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    // Not empty when the rendering has something no field describes: what it is.
    std::string unreadable;
};

}  // namespace tess
