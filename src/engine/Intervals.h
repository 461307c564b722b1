#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace tess {

struct IntervalChoice {
    const char* caption;
    std::int32_t seconds;
};

// The interval list, in list order; the index users see is the position + 1.
inline constexpr std::array<IntervalChoice, 12> kIntervals{{
    {"Log every 1 second", 1},
    {"Log every 5 seconds", 5},
    {"Log every 10 seconds", 10},
    {"Log every 30 seconds", 30},
    {"Log every 1 minute", 60},
    {"Log every 5 minutes", 300},
    {"Log every 10 minutes", 600},
    {"Log every 30 minutes", 1800},
    {"Log every 1 hour", 3600},
    {"Log every 6 hours", 21600},
    {"Log every 12 hours", 43200},
    {"Log every 24 hours", 86400},
}};

inline constexpr int kDefaultIntervalIndex = 2;

// The seconds of the interval whose caption is exactly `selectedCaption`, or 0
// (also when nothing is selected).
std::int32_t GetIntervalSeconds(const std::optional<std::string>& selectedCaption);

// "hh:mm:ss" of a number of seconds taken as a time of day (wraps at 24 hours).
std::string FormatHms(std::int32_t seconds, const std::string& separator = ":");

}  // namespace tess
