#pragma once

#include <string>

#include "common/Clock.h"
#include "engine/DateTimeFields.h"

namespace tess {

// The user's locale rendering of dates and times.
class DateTimeFormat {
public:
    virtual ~DateTimeFormat() = default;
    virtual std::string ShortDate(const LocalDateTime& moment) const = 0;
    // The long time, without a time-zone name.
    virtual std::string LongTime(const LocalDateTime& moment) const = 0;
    virtual std::string TimeSeparator() const = 0;
    // The short date and the long time described field by field, so that a
    // reader can match what they wrote.
    virtual DateTimeFields ShortDateFields() const = 0;
    virtual DateTimeFields LongTimeFields() const = 0;
};

// The general date: short date, a space and the long time; the date alone at exactly midnight.
std::string GeneralDate(const LocalDateTime& moment, const DateTimeFormat& format);

}  // namespace tess
