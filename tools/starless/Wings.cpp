#include "tools/starless/Wings.h"

#include <algorithm>
#include <cmath>

#include "tools/starless/Median.h"

namespace kv::starless {

namespace {

// Rings beyond the wing radius that give the level the wings stand on.
constexpr int kLevelRings = 3;

} // namespace

void SubtractWings(float* plane, int32_t width, int32_t height, const std::vector<StarShape>& stars)
{
    std::vector<std::vector<float>> rings;
    std::vector<float> profile, level;
    for (const StarShape& s : stars) {
        if (s.wingRadius <= 0)
            continue;
        const int last = static_cast<int>(std::ceil(s.wingRadius));
        const int count = last + kLevelRings;
        rings.assign(static_cast<std::size_t>(count), {});
        const int32_t x0 = std::max(0, static_cast<int32_t>(std::floor(s.cx - count)));
        const int32_t x1 = std::min(width - 1, static_cast<int32_t>(std::ceil(s.cx + count)));
        const int32_t y0 = std::max(0, static_cast<int32_t>(std::floor(s.cy - count)));
        const int32_t y1 = std::min(height - 1, static_cast<int32_t>(std::ceil(s.cy + count)));
        for (int32_t y = y0; y <= y1; ++y)
            for (int32_t x = x0; x <= x1; ++x) {
                const int ring = static_cast<int>(std::hypot(x - s.cx, y - s.cy));
                if (ring < count)
                    rings[static_cast<std::size_t>(ring)].push_back(plane[static_cast<std::size_t>(y) * width + x]);
            }
        level.clear();
        for (int r = last; r < count; ++r)
            level.insert(level.end(), rings[static_cast<std::size_t>(r)].begin(), rings[static_cast<std::size_t>(r)].end());
        if (level.empty())
            continue;
        // Medians: a gradient of the sky is the same on either side of a
        // ring, and structure on less than half of it does not move them.
        const float base = MedianOf(level);
        // Ring r holds distances [r, r + 1): its value belongs to r + 0.5.
        // Outward the profile may only fall (a brighter ring is something else).
        profile.assign(static_cast<std::size_t>(last + 1), 0.0f);
        float highest = 0;
        for (int r = last - 1; r >= 0; --r) {
            auto& ring = rings[static_cast<std::size_t>(r)];
            const float v = ring.empty() ? highest : std::max(0.0f, MedianOf(ring) - base);
            highest = std::max(highest, v);
            profile[static_cast<std::size_t>(r)] = v;
        }
        // Nor may it stand above a broad star's profile of the same width and
        // half as high again (Moffat, beta 2): what does is the structure the
        // star stands on. A clipped star's height is unknown.
        const double alpha = s.fwhm / 1.287;
        for (int r = 0; r < last; ++r) {
            float& v = profile[static_cast<std::size_t>(r)];
            if (r > 0)
                v = std::min(v, profile[static_cast<std::size_t>(r - 1)]);
            if (!s.saturated) {
                const double q = (r + 0.5) / alpha;
                v = std::min(v, static_cast<float>(1.5 * s.peak / ((1.0 + q * q) * (1.0 + q * q))));
            }
        }
        for (int32_t y = y0; y <= y1; ++y)
            for (int32_t x = x0; x <= x1; ++x) {
                const double d = std::hypot(x - s.cx, y - s.cy);
                if (d >= s.wingRadius)
                    continue;
                const double t = std::max(0.0, d - 0.5);
                const int r = static_cast<int>(t);
                const double f = t - r;
                const float below = profile[static_cast<std::size_t>(std::min(r, last))];
                const float above = profile[static_cast<std::size_t>(std::min(r + 1, last))];
                plane[static_cast<std::size_t>(y) * width + x] -= static_cast<float>(below * (1 - f) + above * f);
            }
    }
}

} // namespace kv::starless
