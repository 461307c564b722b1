#pragma once

#include <cstdint>

namespace tess {

// The local time zone by the platform's rules (its zone database, or the
// Windows settings), between moments, in seconds since 1970 UTC, and local
// times, in seconds since 1970 on the local clock (CivilTime.h).

// How many seconds the local clock is ahead of UTC at `moment`; 0 where the
// platform cannot tell (Windows knows no moment before 1970).
std::int64_t UtcOffsetAt(std::int64_t moment);

// The moments at which the local clock shows `local`: none in the hour skipped
// when the clock is put forward, two in the hour that occurs twice when it is
// put back (`first` the earlier), otherwise one.
struct LocalMoments {
    int count = 0;
    std::int64_t first = 0;
    std::int64_t second = 0;
};
LocalMoments MomentsOf(std::int64_t local);

// The moment at which the local clock shows `local`: the earlier when it shows
// it twice, and for a time it skips, the moment it would be in the offset
// before the change.
std::int64_t MomentOf(std::int64_t local);

// Whether the local clock keeps one offset from UTC from a day before to a day
// after the local day `day` (days since 1970), and which.
bool SteadyOffsetAround(std::int64_t day, std::int64_t& offset);

}  // namespace tess
