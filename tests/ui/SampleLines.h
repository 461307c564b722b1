#pragma once

#include <string>

namespace tess::test {

inline const std::string kBatteryLine =
    "12/7/26 6:01:43 AM Battery Level is 87% (2 Hours, 15 Minutes, 0 Seconds remaining on "
    "battery).";
inline const std::string kAcLine = "12/7/26 6:01:43 AM Running on AC Power";

// A log line that differs from its neighbours in every field.
inline std::string NumberedLine(int i) {
    if (i % 7 == 0) return std::to_string(i) + " Running on AC Power";
    return std::to_string(i) + " Battery Level is " + std::to_string(i % 101) + "% (" +
           std::to_string(i % 24) + " Hours, " + std::to_string(i % 60) + " Minutes, " +
           std::to_string(i % 59) + " Seconds remaining on battery).";
}

}  // namespace tess::test
