#pragma once

#include <cstdint>

namespace tess {

// One log entry as read back: 16 bytes, so that a million of them fit in 16 MB.
struct Sample {
    // Local date and time, in seconds since 1 January 1970 (see CivilTime.h).
    std::int64_t time = 0;
    // Seconds left on battery as the line gives them; -1 when it gives none.
    std::int32_t remaining = -1;
    // The charge in percent as written (0 to 255); meaningless on AC power.
    std::uint8_t percent = 0;
    bool onAc = false;

    // A battery entry whose charge is a real percentage (the platform writes
    // 255 for a charge it does not know).
    bool HasLevel() const { return !onAc && percent <= 100; }
};
static_assert(sizeof(Sample) == 16);

}  // namespace tess
