#include "DateTimeText.h"

namespace tess {

std::string GeneralDate(const LocalDateTime& moment, const DateTimeFormat& format) {
    if (moment.IsMidnight()) return format.ShortDate(moment);
    return format.ShortDate(moment) + " " + format.LongTime(moment);
}

}  // namespace tess
