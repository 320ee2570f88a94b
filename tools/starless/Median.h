// The median of a few values, found in place (the values are reordered).
#pragma once

#include <algorithm>
#include <vector>

namespace kv::starless {

// The upper median; 0 for no values.
template <class T>
T MedianOf(std::vector<T>& values)
{
    if (values.empty())
        return T{};
    const auto mid = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), mid, values.end());
    return *mid;
}

} // namespace kv::starless
