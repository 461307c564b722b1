#pragma once

#include <cstdint>

namespace tess {

// One log entry as read back: 16 bytes, so that a million of them fit in 16 MB.
struct Sample {
    // When it was logged, in seconds since 1 January 1970 UTC.
    std::int64_t time = 0;
    // Seconds left on battery as the line gives them; -1 when it gives none.
    std::int32_t remaining = -1;
    // The charge in percent as written (0 to 255); meaningless on AC power.
    std::uint8_t percent = 0;
    bool onAc = false;
    // How many minutes the local clock that the line gives was ahead of UTC.
    std::int16_t utcOffset = 0;

    // A battery entry whose charge is a real percentage (the platform writes
    // 255 for a charge it does not know).
    bool HasLevel() const { return !onAc && percent <= 100; }
    // The local date and time the line gives, in seconds since 1970 (CivilTime.h).
    std::int64_t LocalTime() const { return time + 60 * std::int64_t{utcOffset}; }
};
static_assert(sizeof(Sample) == 16);

}  // namespace tess
