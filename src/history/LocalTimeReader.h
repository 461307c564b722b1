#pragma once

#include <cstdint>
#include <limits>

#include "common/LocalZone.h"

namespace tess {

// Reads the log's local times (seconds since 1970 on the local clock, as the
// lines give them) as moments, by the platform's zone rules, in the order of
// the file: a time in the hour that occurs twice when the clock is put back is
// its first occurrence, unless the entry before it is already later, and a time
// in the hour skipped when the clock is put forward is read in the offset before
// the change. Days without a change of the clock cost nothing per line; on the
// days around one, the zone is asked once a minute of the log.
class LocalTimeReader {
public:
    // How many minutes the local clock was ahead of UTC when it showed
    // `local`, for an entry that follows one at the moment `previous` (nullptr
    // for the first). The entry's moment is `local` less that many minutes.
    int MinutesAhead(std::int64_t local, const std::int64_t* previous);

private:
    static constexpr std::int64_t kNever = std::numeric_limits<std::int64_t>::min();

    std::int64_t day_ = kNever;
    bool steady_ = false;
    std::int64_t offset_ = 0;  // seconds, on a steady day
    // On a day around a change: the moments of the start of the minute last
    // asked, and the offset before the change.
    std::int64_t minute_ = kNever;
    LocalMoments moments_;
    std::int64_t before_ = 0;
};

}  // namespace tess
