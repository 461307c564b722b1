#pragma once

#include <cstdint>

#include "common/Clock.h"

namespace tess {

// Local calendar arithmetic on the proleptic Gregorian calendar, without a time
// zone: a count of seconds here is local time, as the log holds it.

int DaysInMonth(int year, int month);
bool IsValidDate(int year, int month, int day);

// Days since 1 January 1970, and back.
std::int64_t DaysFromCivil(int year, int month, int day);
LocalDateTime CivilFromSeconds(std::int64_t seconds);

// Seconds since 1 January 1970 00:00:00 of a local date and time.
std::int64_t SecondsOf(const LocalDateTime& moment);

inline constexpr std::int64_t kSecondsPerDay = 86400;

// The day number of the Monday that starts the week of a day number.
std::int64_t MondayOf(std::int64_t day);

// Floor division, for day numbers of moments before 1970.
inline std::int64_t FloorDiv(std::int64_t value, std::int64_t divisor) {
    const std::int64_t quotient = value / divisor;
    return quotient * divisor > value ? quotient - 1 : quotient;
}

}  // namespace tess
