#include "history/LocalTimeReader.h"

#include <cmath>

#include "common/CivilTime.h"

namespace tess {

int LocalTimeReader::MinutesAhead(std::int64_t local, const std::int64_t* previous) {
    const std::int64_t day = FloorDiv(local, kSecondsPerDay);
    if (day != day_) {
        day_ = day;
        steady_ = SteadyOffsetAround(day, offset_);
    }
    std::int64_t offset = offset_;
    if (!steady_) {
        // Clocks change on whole minutes: a minute's times share its moments.
        const std::int64_t minute = FloorDiv(local, 60) * 60;
        if (minute != minute_) {
            minute_ = minute;
            moments_ = MomentsOf(minute);
            before_ = UtcOffsetAt(minute - kSecondsPerDay);
        }
        const std::int64_t into = local - minute;
        if (moments_.count == 0) {
            offset = before_;
        } else if (moments_.count == 2 && previous != nullptr &&
                   moments_.first + into < *previous) {
            offset = minute - moments_.second;
        } else {
            offset = minute - moments_.first;
        }
    }
    return static_cast<int>(std::lround(static_cast<double>(offset) / 60));
}

}  // namespace tess
