#include "common/SystemClock.h"

#include <chrono>

#include "common/LocalTime.h"

namespace tess {

LocalDateTime SystemClock::Now() const {
    using namespace std::chrono;
    const system_clock::time_point now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    const auto fraction = duration_cast<milliseconds>(now - system_clock::from_time_t(seconds));
    const std::tm local = ToLocalTime(seconds);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,        local.tm_hour,
            local.tm_min,         local.tm_sec,     static_cast<int>(fraction.count())};
}

}  // namespace tess
