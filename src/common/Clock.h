#pragma once

namespace tess {

// A local calendar date and time of day, to the second, with the fraction of
// the second where the clock knows it.
struct LocalDateTime {
    int year = 1970;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;

    bool IsMidnight() const { return hour == 0 && minute == 0 && second == 0; }
    friend bool operator==(const LocalDateTime&, const LocalDateTime&) = default;
};

// The current local time, injectable so that tests choose the moment.
class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalDateTime Now() const = 0;
};

}  // namespace tess
