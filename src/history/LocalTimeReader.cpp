#include "history/LocalTimeReader.h"

#include <cmath>

#include "common/CivilTime.h"
#include "common/LocalZone.h"

namespace tess {

int LocalTimeReader::MinutesAhead(std::int64_t local, const std::int64_t* previous) {
    const std::int64_t day = FloorDiv(local, kSecondsPerDay);
    if (day != day_) {
        day_ = day;
        steady_ = SteadyOffsetAround(day, offset_);
    }
    std::int64_t offset = offset_;
    if (!steady_) {
        const LocalMoments moments = MomentsOf(local);
        const bool second = moments.count == 2 && previous != nullptr && moments.first < *previous;
        offset = local - (second ? moments.second : MomentOf(local));
    }
    return static_cast<int>(std::lround(static_cast<double>(offset) / 60));
}

}  // namespace tess
