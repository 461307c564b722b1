#pragma once

#include <ctime>

namespace tess {

// The broken-down local time of a moment, through the platform's thread-safe call.
std::tm ToLocalTime(std::time_t moment);

}  // namespace tess
