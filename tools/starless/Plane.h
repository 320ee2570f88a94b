// One float plane of the remover's working data, with clamped and bilinear reads.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace kv::starless {

struct Plane {
    int32_t w = 0;
    int32_t h = 0;
    std::vector<float> v;

    Plane() = default;
    Plane(int32_t width, int32_t height, float fill = 0.0f)
        : w(width), h(height), v(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill) {}

    std::size_t Index(int32_t x, int32_t y) const { return static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + static_cast<std::size_t>(x); }
    float At(int32_t x, int32_t y) const { return v[Index(x, y)]; }
    float Clamped(int32_t x, int32_t y) const { return At(std::clamp(x, 0, w - 1), std::clamp(y, 0, h - 1)); }
    // Outside the plane the samples are mirrored at its edges, so a star cut by
    // the edge keeps a star's profile and its surroundings their level.
    float Mirrored(int32_t x, int32_t y) const
    {
        if (x < 0)
            x = -x;
        else if (x >= w)
            x = 2 * (w - 1) - x;
        if (y < 0)
            y = -y;
        else if (y >= h)
            y = 2 * (h - 1) - y;
        return Clamped(x, y);
    }
    float Bilinear(double x, double y) const
    {
        const double fx = std::floor(x), fy = std::floor(y);
        const int32_t ix = static_cast<int32_t>(fx), iy = static_cast<int32_t>(fy);
        const float ax = static_cast<float>(x - fx), ay = static_cast<float>(y - fy);
        const float top = Mirrored(ix, iy) * (1 - ax) + Mirrored(ix + 1, iy) * ax;
        const float bottom = Mirrored(ix, iy + 1) * (1 - ax) + Mirrored(ix + 1, iy + 1) * ax;
        return top * (1 - ay) + bottom * ay;
    }
};

} // namespace kv::starless
