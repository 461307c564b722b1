#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

namespace tess {

// The median of values (the mean of the middle two of an even count), in
// linear time; the values are left in another order. Not for an empty list.
inline double Median(std::vector<double>& values) {
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    if (values.size() % 2 == 1) return *middle;
    return (*middle + *std::max_element(values.begin(), middle)) / 2;
}

}  // namespace tess
