#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "TempDir.h"
#include "history/BatteryHistory.h"
#include "history/Sample.h"

namespace tess::test {

inline constexpr std::int64_t kMonday = 1'796'601'600;  // Monday 7 December 2026, 00:00
inline constexpr std::int64_t kHour = 3600;
inline constexpr std::int64_t kDay = 86400;

inline Sample Battery(std::int64_t t, int percent) {
    return {t, -1, static_cast<std::uint8_t>(percent), false};
}
inline Sample Ac(std::int64_t t) {
    return {t, -1, 0, true};
}

// Entries every `step` seconds for `seconds`, the charge falling evenly by `drop` from `percent`.
inline void Discharge(std::vector<Sample>& samples, std::int64_t from, std::int64_t seconds,
                      int percent, int drop, std::int64_t step = 60) {
    for (std::int64_t t = 0; t <= seconds; t += step) {
        samples.push_back(Battery(from + t, percent - static_cast<int>(t * drop / seconds)));
    }
}

// The history of a log file that holds `text`, read back whole.
inline std::unique_ptr<BatteryHistory> ReadBack(const std::string& text,
                                                const DateTimeFormat& format) {
    TempDir dir;
    WriteAll(dir.File("log.txt"), text);
    auto history = std::make_unique<BatteryHistory>(format);
    history->Open(dir.File("log.txt"));
    return history;
}

}  // namespace tess::test
