#include "common/LocalTime.h"

#include <windows.h>

namespace tess {

// The system's time zone as Windows keeps it, with the rules of the moment's
// year; not the C runtime's, which would follow a TZ variable instead.
std::tm ToLocalTime(std::time_t moment) {
    constexpr long long kSecondsFrom1601 = 11644473600LL;
    std::tm local{};
    if (moment < -kSecondsFrom1601) return local;
    ULARGE_INTEGER ticks;
    ticks.QuadPart = static_cast<unsigned long long>(moment + kSecondsFrom1601) * 10000000ULL;
    const FILETIME time{ticks.LowPart, ticks.HighPart};
    SYSTEMTIME utc;
    TIME_ZONE_INFORMATION zone;
    SYSTEMTIME clock;
    if (!FileTimeToSystemTime(&time, &utc) ||
        !GetTimeZoneInformationForYear(utc.wYear, nullptr, &zone) ||
        !SystemTimeToTzSpecificLocalTime(&zone, &utc, &clock)) {
        return local;
    }
    local.tm_year = clock.wYear - 1900;
    local.tm_mon = clock.wMonth - 1;
    local.tm_mday = clock.wDay;
    local.tm_hour = clock.wHour;
    local.tm_min = clock.wMinute;
    local.tm_sec = clock.wSecond;
    local.tm_wday = clock.wDayOfWeek;
    return local;
}

}  // namespace tess
