#include "Intervals.h"

#include <cmath>

namespace tess {

std::int32_t GetIntervalSeconds(const std::optional<std::string>& selectedCaption) {
    if (!selectedCaption) return 0;
    for (const auto& choice : kIntervals) {
        if (*selectedCaption == choice.caption) return choice.seconds;
    }
    return 0;
}

namespace {
std::string TwoDigits(long value) {
    return {static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
}
}  // namespace

std::string FormatHms(std::int32_t seconds, const std::string& separator) {
    // The value is taken as a fraction of a day and its time of day is shown,
    // as a date-time value would render it: the time part of a date before
    // the epoch is the magnitude of its fraction.
    const double fraction = std::fabs(std::fmod(seconds / 86400.0, 1.0));
    const long ofDay = std::lround(fraction * 86400.0) % 86400;
    return TwoDigits(ofDay / 3600) + separator + TwoDigits(ofDay / 60 % 60) + separator +
           TwoDigits(ofDay % 60);
}

}  // namespace tess
