#pragma once

// What every timing program shares, on Linux and on Windows: wall-clock timing
// and the spread of samples.

#include <algorithm>
#include <chrono>
#include <vector>

namespace bench {

using Clock = std::chrono::steady_clock;

inline double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

template <typename Body>
double Milliseconds(Body body) {
    const auto start = Clock::now();
    body();
    return MillisecondsSince(start);
}

struct Spread {
    double median;
    double p99;
};

inline Spread SpreadOf(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    const auto at = [&](double q) {
        return samples[std::min(samples.size() - 1, static_cast<size_t>(q * samples.size()))];
    };
    return {at(0.5), at(0.99)};
}

}  // namespace bench
