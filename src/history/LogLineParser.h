#pragma once

#include <string>
#include <string_view>

#include "engine/GeneralDateReader.h"
#include "engine/LogCharset.h"
#include "history/Sample.h"

namespace tess {

// Reads one log line, without its line end, as the file holds it: either of the
// two forms the log writer produces, with the date-time text in the writer's
// format, in the writer's encoding.
class LogLineParser {
public:
    explicit LogLineParser(const DateTimeFormat& format) : dates_(format, ToLogCharset) {}

    // Empty when lines can be read; otherwise why the format's dates cannot.
    const std::string& Problem() const { return dates_.Problem(); }

    // True when the line is exactly one the writer could have written, with
    // `sample` set from it, its time the local one as the line gives it (the
    // caller knows the zone); anything else (another locale's date, a hand
    // edit, binary bytes) is false and leaves `sample` as it was.
    bool Parse(std::string_view line, Sample& sample) const;

private:
    GeneralDateReader dates_;
};

}  // namespace tess
