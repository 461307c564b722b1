#include "common/LocalTime.h"

#include <windows.h>

namespace tess {

namespace {

// The zone's rules of a year as Windows keeps them. Reading them asks the
// registry, and laying out a chart asks the zone a few hundred times: they are
// kept for a second, so that a change of the system's zone shows soon after.
bool RulesOf(WORD year, TIME_ZONE_INFORMATION& zone) {
    struct Kept {
        WORD year = 0;
        ULONGLONG readAt = 0;
        bool read = false;
        TIME_ZONE_INFORMATION zone{};
    };
    thread_local Kept kept;
    const ULONGLONG now = GetTickCount64();
    if (kept.year != year || now - kept.readAt >= 1000) {
        kept.read = GetTimeZoneInformationForYear(year, nullptr, &kept.zone) != FALSE;
        kept.year = year;
        kept.readAt = now;
    }
    zone = kept.zone;
    return kept.read;
}

}  // namespace

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
    if (!FileTimeToSystemTime(&time, &utc) || !RulesOf(utc.wYear, zone) ||
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
