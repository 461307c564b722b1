#pragma once

#include <windows.h>

#include "engine/DateTimeText.h"

namespace tess {

// The short date, long time and time separator of a Windows locale (by default
// the user's, with the user's own settings).
class Win32DateTimeFormat : public DateTimeFormat {
public:
    explicit Win32DateTimeFormat(LCID locale = LOCALE_USER_DEFAULT) : locale_(locale) {}
    std::string ShortDate(const LocalDateTime& moment) const override;
    std::string LongTime(const LocalDateTime& moment) const override;
    std::string TimeSeparator() const override;
    DateTimeFields ShortDateFields() const override;
    DateTimeFields LongTimeFields() const override;

private:
    LCID locale_;
};

}  // namespace tess
