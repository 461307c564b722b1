#pragma once

#include "engine/DateTimeText.h"

namespace tess {

// The user's short date, long time and time separator from the Windows locale settings.
class Win32DateTimeFormat : public DateTimeFormat {
public:
    std::string ShortDate(const LocalDateTime& moment) const override;
    std::string LongTime(const LocalDateTime& moment) const override;
    std::string TimeSeparator() const override;
};

}  // namespace tess
