#include "tools/starless/Wings.h"

#include <algorithm>
#include <cmath>

#include "tools/starless/Median.h"
#include "tools/starless/Surface.h"

namespace kv::starless {

namespace {

// Rings beyond the wing radius that give the level the wings stand on.
// (Ten: a narrow band of rings would leave the surface's curvature, and so
// its value at the centre, barely fixed.)
constexpr int kLevelRings = 10;
// The samples the level's surface leaves out: twice, those farther from it
// than this many times their median departure.
constexpr int kRejections = 2;
constexpr float kRejectSpreads = 3.0f;
// Enough level samples to fit the surface to (every so many of them if
// there are more).
constexpr std::size_t kLevelSamples = 200;

// The median absolute departure of values from under(x, y).
template <class Under>
float Spread(const std::vector<SurfaceSample>& samples, Under under, std::vector<float>& scratch)
{
    scratch.clear();
    for (const SurfaceSample& p : samples)
        scratch.push_back(static_cast<float>(std::abs(p.value - under(p.x, p.y))));
    return MedianOf(scratch);
}

// A quadratic surface through the level samples, fitted again without those
// far from it (a neighbour, a galaxy on one side), when it follows them
// better than their median does. samples keeps what the fit used.
bool FitLevel(double cx, double cy, float median, std::vector<SurfaceSample>& samples, QuadraticSurface& surface,
              std::vector<float>& scratch)
{
    if (!FitQuadratic(cx, cy, samples, surface))
        return false;
    const auto onSurface = [&](double x, double y) { return surface.At(x, y); };
    for (int round = 0; round < kRejections; ++round) {
        const float spread = Spread(samples, onSurface, scratch);
        std::erase_if(samples, [&](const SurfaceSample& p) { return std::abs(p.value - surface.At(p.x, p.y)) > kRejectSpreads * spread; });
        if (!FitQuadratic(cx, cy, samples, surface))
            return false;
    }
    return Spread(samples, onSurface, scratch) < Spread(samples, [&](double, double) { return median; }, scratch);
}

} // namespace

void SubtractWings(float* plane, int32_t width, int32_t height, const std::vector<StarShape>& stars)
{
    struct Pixel {
        std::size_t index;
        float x, y, distance;
    };
    std::vector<Pixel> disk;
    std::vector<std::vector<float>> rings;
    std::vector<float> profile, level, scratch;
    std::vector<SurfaceSample> outer;
    for (const StarShape& s : stars) {
        if (s.wingRadius <= 0)
            continue;
        const int last = static_cast<int>(std::ceil(s.wingRadius));
        const int count = last + kLevelRings;
        const int32_t x0 = std::max(0, static_cast<int32_t>(std::floor(s.cx - count)));
        const int32_t x1 = std::min(width - 1, static_cast<int32_t>(std::ceil(s.cx + count)));
        const int32_t y0 = std::max(0, static_cast<int32_t>(std::floor(s.cy - count)));
        const int32_t y1 = std::min(height - 1, static_cast<int32_t>(std::ceil(s.cy + count)));
        disk.clear();
        for (int32_t y = y0; y <= y1; ++y)
            for (int32_t x = x0; x <= x1; ++x) {
                const double dx = x - s.cx, dy = y - s.cy;
                const double d = std::sqrt(dx * dx + dy * dy);
                if (d < count)
                    disk.push_back({static_cast<std::size_t>(y) * width + x, float(x), float(y), float(d)});
            }
        // The level the wings stand on, from the rings beyond them: a
        // quadratic surface where it follows them better than one value
        // (on a curved slope of nebula the rings' medians climb or fall
        // with their radius, and would pass for wing light), else their
        // median. Medians: a gradient of the sky is the same on either side
        // of a ring, and structure on less than half of it does not move them.
        // (A saturated star's wings reach so far that a surface through
        // rings beyond them says little about the level under its core.)
        outer.clear();
        level.clear();
        for (const Pixel& p : disk)
            if (p.distance >= static_cast<float>(last)) {
                outer.push_back({p.x, p.y, plane[p.index]});
                level.push_back(plane[p.index]);
            }
        if (level.empty())
            continue;
        const float median = MedianOf(level);
        if (outer.size() > kLevelSamples) {
            const std::size_t step = (outer.size() + kLevelSamples - 1) / kLevelSamples;
            std::size_t kept = 0;
            for (std::size_t i = 0; i < outer.size(); i += step)
                outer[kept++] = outer[i];
            outer.resize(kept);
        }
        QuadraticSurface surface;
        const bool curved = !s.saturated && FitLevel(s.cx, s.cy, median, outer, surface, scratch);
        rings.resize(static_cast<std::size_t>(last));
        for (auto& ring : rings)
            ring.clear();
        for (const Pixel& p : disk)
            if (p.distance < static_cast<float>(last))
                rings[static_cast<std::size_t>(p.distance)].push_back(
                    plane[p.index] - (curved ? static_cast<float>(surface.At(p.x, p.y)) : median));
        // What the level rings keep above the surface (none above their median).
        float base = 0;
        if (curved) {
            level.clear();
            for (const SurfaceSample& p : outer)
                level.push_back(static_cast<float>(p.value - surface.At(p.x, p.y)));
            base = MedianOf(level);
        }
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
        for (const Pixel& p : disk) {
            if (p.distance >= s.wingRadius)
                continue;
            const double t = std::max(0.0, p.distance - 0.5);
            const int r = static_cast<int>(t);
            const double f = t - r;
            const float below = profile[static_cast<std::size_t>(std::min(r, last))];
            const float above = profile[static_cast<std::size_t>(std::min(r + 1, last))];
            plane[p.index] -= static_cast<float>(below * (1 - f) + above * f);
        }
    }
}

} // namespace kv::starless
