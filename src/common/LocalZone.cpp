#include "common/LocalZone.h"

#include <algorithm>
#include <ctime>

#include "common/CivilTime.h"
#include "common/LocalTime.h"

namespace tess {

std::int64_t UtcOffsetAt(std::int64_t moment) {
    const std::tm local = ToLocalTime(static_cast<std::time_t>(moment));
    // A moment the platform cannot convert leaves the day of the month out of range.
    if (local.tm_mday < 1) return 0;
    const LocalDateTime clock{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                              local.tm_hour,        local.tm_min,     local.tm_sec};
    return SecondsOf(clock) - moment;
}

// Offsets last from one change of the clock to the next, months apart: the
// offsets a day before and a day after `local` are the ones it can be read in.
LocalMoments MomentsOf(std::int64_t local) {
    const std::int64_t before = UtcOffsetAt(local - kSecondsPerDay);
    const std::int64_t after = UtcOffsetAt(local + kSecondsPerDay);
    LocalMoments moments;
    for (const std::int64_t offset : {before, after}) {
        const std::int64_t moment = local - offset;
        if (UtcOffsetAt(moment) != offset) continue;
        if (moments.count == 1 && moments.first == moment) continue;
        (moments.count == 0 ? moments.first : moments.second) = moment;
        ++moments.count;
    }
    if (moments.count == 2 && moments.second < moments.first) {
        std::swap(moments.first, moments.second);
    }
    return moments;
}

std::int64_t MomentOf(std::int64_t local) {
    const LocalMoments moments = MomentsOf(local);
    return moments.count > 0 ? moments.first : local - UtcOffsetAt(local - kSecondsPerDay);
}

bool SteadyOffsetAround(std::int64_t day, std::int64_t& offset) {
    offset = UtcOffsetAt((day - 1) * kSecondsPerDay);
    return UtcOffsetAt((day + 2) * kSecondsPerDay) == offset;
}

}  // namespace tess
