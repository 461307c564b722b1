#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "engine/DateTimeText.h"

namespace tess {

// Reads back the general date that GeneralDate writes with a format: the short
// date alone (midnight), or the short date, one space and the long time. The
// format's fields are taken once, in the encoding of the text to be read, so
// that reading a date costs a walk over its bytes and no call into the locale.
class GeneralDateReader {
public:
    // Turns UTF-8 text into the encoding of the text to be read (for the log
    // file, ToLogCharset).
    using Encoding = std::string (*)(const std::string& utf8);

    GeneralDateReader(const DateTimeFormat& format, Encoding encoding);

    // Empty when the format's dates read back; otherwise why they do not, and
    // no text is read.
    const std::string& Problem() const { return problem_; }

    // True when the whole text is one general date of the format, with `moment`
    // set to it. Nothing is guessed: a text that the format could not have
    // written (another order, a day that does not exist) is false.
    bool Read(std::string_view text, LocalDateTime& moment) const;

private:
    struct Part {
        std::vector<DateTimeField> fields;
        std::array<std::string, 10> digits;
        bool asciiDigits = true;
    };
    struct Values;

    static Part Compile(const DateTimeFields& fields, Encoding encoding);
    static bool Match(const Part& part, std::string_view text, std::size_t& at, Values& values);
    // The date and time that `values` name, when they name a real one.
    static bool ToMoment(const Values& values, bool withTime, LocalDateTime& moment);
    std::string Check(const DateTimeFormat& format, Encoding encoding) const;

    Part date_;
    Part time_;
    std::string problem_;
};

}  // namespace tess
