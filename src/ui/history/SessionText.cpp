#include "ui/history/SessionText.h"

#include <cmath>

#include "common/CivilTime.h"

namespace tess {

std::string TenthsText(double value) {
    const long long tenths = std::llround(value * 10);
    const long long whole = std::llabs(tenths) / 10;
    return (tenths < 0 ? "-" : "") + std::to_string(whole) + "." +
           std::to_string(std::llabs(tenths) % 10);
}

std::string DurationText(std::int64_t seconds) {
    if (seconds < 60) return std::to_string(seconds) + " s";
    const std::int64_t minutes = seconds / 60;
    if (minutes < 60) return std::to_string(minutes) + " min";
    const std::int64_t rest = minutes % 60;
    return std::to_string(minutes / 60) + " h " + (rest < 10 ? "0" : "") + std::to_string(rest) +
           " min";
}

std::string SessionText(const DischargeSession& session, SessionColumn column,
                        const DateTimeFormat& format) {
    const bool fell = session.drainPerHour > 0;
    switch (column) {
        case kStart:
            return GeneralDate(CivilFromSeconds(session.LocalStart()), format);
        case kEnd:
            return GeneralDate(CivilFromSeconds(session.LocalEnd()), format);
        case kFirstPercent:
            return std::to_string(session.firstPercent) + "%";
        case kLastPercent:
            return std::to_string(session.lastPercent) + "%";
        case kDuration:
            return DurationText(session.Duration());
        case kDrain:
            return fell ? TenthsText(session.drainPerHour) + " %/h" : "-";
        case kFullCharge:
            return fell ? TenthsText(session.fullChargeHours) + " h" : "-";
    }
    return {};
}

}  // namespace tess
