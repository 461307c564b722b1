#include "common/SystemClock.h"

#include "common/LocalTime.h"

namespace tess {

LocalDateTime SystemClock::Now() const {
    const std::tm local = ToLocalTime(std::time(nullptr));
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

}  // namespace tess
