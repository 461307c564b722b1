#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tess {

// A moment with the offset of the local clock that saw it: what an ISO 8601
// time with its offset says ("2026-12-07T06:01:43+01:00").
struct ZonedMoment {
    std::int64_t utc = 0;     // seconds since 1970-01-01 00:00:00 UTC
    std::int32_t offset = 0;  // seconds the local clock was ahead of UTC

    // The local date and time, in seconds since 1970 (CivilTime.h).
    std::int64_t Local() const { return utc + offset; }
    friend bool operator==(const ZonedMoment&, const ZonedMoment&) = default;
};

// The moment now, injectable so that tests choose it.
class ZonedClock {
public:
    virtual ~ZonedClock() = default;
    virtual ZonedMoment Now() const = 0;
};

// The machine's clock and its time zone's offset now.
class SystemZonedClock : public ZonedClock {
public:
    ZonedMoment Now() const override;
};

// "YYYY-MM-DDTHH:MM:SS+HH:MM", the offset to the minute.
std::string IsoText(const ZonedMoment& moment);

// A time in that form exactly ("Z" for an offset of 0 too); nothing for any
// other text or an impossible date or time.
std::optional<ZonedMoment> ReadIsoText(std::string_view text);

}  // namespace tess
