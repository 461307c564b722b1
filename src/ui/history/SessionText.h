#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/DateTimeText.h"
#include "history/DischargeAnalysis.h"

namespace tess {

// The columns of the sessions table, in order.
enum SessionColumn { kStart, kEnd, kFirstPercent, kLastPercent, kDuration, kDrain, kFullCharge };

struct SessionColumnDesign {
    const char* header;
    int widthTwips;
    bool alignRight;
};
inline constexpr std::array<SessionColumnDesign, 7> kSessionColumns{{
    {"Start", 2400, false},
    {"End", 2400, false},
    {"From", 800, true},
    {"To", 800, true},
    {"Duration", 1500, true},
    {"Drain", 1300, true},
    {"Full charge lasts", 1900, true},
}};

// The text of one cell of a session's row: times as the general date in the
// log's format, the charge in whole percent, the duration in hours and
// minutes, the drain in percent an hour and the runtime of a full charge in
// hours, each to a tenth. A session whose charge did not fall has no drain
// and no runtime: "-".
std::string SessionText(const DischargeSession& session, SessionColumn column,
                        const DateTimeFormat& format);

// A time span: "3 h 05 min", "7 min", "40 s".
std::string DurationText(std::int64_t seconds);
// A number to a tenth, with a point whatever the locale: "12.5".
std::string TenthsText(double value);

}  // namespace tess
