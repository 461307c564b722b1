#pragma once

#include <string>

#include "common/Clock.h"
#include "common/Stopwatch.h"
#include "engine/DateTimeText.h"

namespace tess::test {

class FakeClock : public Clock {
public:
    LocalDateTime Now() const override { return now; }
    LocalDateTime now{2026, 12, 7, 6, 1, 43};
};

// A stopwatch that stands still, or moves on by `step` each time it is read.
class FakeStopwatch : public Stopwatch {
public:
    std::int64_t Milliseconds() const override { return now += step; }
    mutable std::int64_t now = 0;
    std::int64_t step = 0;
};

// The US English renderings: M/d/yyyy and h:mm:ss AM.
class UsDateTimeFormat : public DateTimeFormat {
public:
    std::string ShortDate(const LocalDateTime& m) const override {
        return std::to_string(m.month) + "/" + std::to_string(m.day) + "/" +
               std::to_string(m.year);
    }
    std::string LongTime(const LocalDateTime& m) const override {
        const int hour12 = m.hour % 12 == 0 ? 12 : m.hour % 12;
        return std::to_string(hour12) + ":" + Two(m.minute) + ":" + Two(m.second) +
               (m.hour < 12 ? " AM" : " PM");
    }
    std::string TimeSeparator() const override { return ":"; }
    DateTimeFields ShortDateFields() const override {
        using F = DateTimeField;
        DateTimeFields date;
        date.fields = {F::Number(F::Kind::Month, 1, 2), F::Literal("/"),
                       F::Number(F::Kind::Day, 1, 2), F::Literal("/"),
                       F::Number(F::Kind::Year, 4, 4)};
        return date;
    }
    DateTimeFields LongTimeFields() const override {
        using F = DateTimeField;
        DateTimeFields time;
        time.fields = {F::Number(F::Kind::Hour12, 1, 2), F::Literal(":"),
                       F::Number(F::Kind::Minute, 2, 2), F::Literal(":"),
                       F::Number(F::Kind::Second, 2, 2), F::Literal(" "),
                       F::Names(F::Kind::AmPm, {"AM", "PM"})};
        return time;
    }

private:
    // Two digits of 0..99, built digit by digit: "0" + std::to_string(v) trips
    // a false -Wrestrict of GCC 12 at -O3.
    static std::string Two(int v) {
        return {static_cast<char>('0' + v / 10), static_cast<char>('0' + v % 10)};
    }
};

}  // namespace tess::test
