#include "tools/starless/Inpaint.h"

#include <algorithm>
#include <cmath>

#include "tools/sky/Prng.h"
#include "tools/starless/Structure.h"

namespace kv::starless {

namespace {

struct Level {
    int32_t w = 0, h = 0;
    std::vector<float> value, weight; // weight 1: known, 0: unknown, between: partly known
};

// value at a fine pixel centre, bilinearly from the coarser level.
float Upsampled(const Level& c, int32_t x, int32_t y)
{
    const double gx = std::clamp((x + 0.5) / 2 - 0.5, 0.0, double(c.w - 1));
    const double gy = std::clamp((y + 0.5) / 2 - 0.5, 0.0, double(c.h - 1));
    const int32_t x0 = static_cast<int32_t>(gx), y0 = static_cast<int32_t>(gy);
    const int32_t x1 = std::min(x0 + 1, c.w - 1), y1 = std::min(y0 + 1, c.h - 1);
    const float ax = static_cast<float>(gx - x0), ay = static_cast<float>(gy - y0);
    const auto at = [&](int32_t i, int32_t j) { return c.value[static_cast<std::size_t>(j) * c.w + i]; };
    return (at(x0, y0) * (1 - ax) + at(x1, y0) * ax) * (1 - ay) + (at(x0, y1) * (1 - ax) + at(x1, y1) * ax) * ay;
}

// Halves a level: each coarse pixel is the weighted mean of its (up to) four
// children; it counts as known as soon as the children hold one known pixel.
template <class ValueAt, class WeightAt>
Level Reduce(int32_t w, int32_t h, ValueAt value, WeightAt weight)
{
    Level c;
    c.w = (w + 1) / 2;
    c.h = (h + 1) / 2;
    c.value.assign(static_cast<std::size_t>(c.w) * c.h, 0.0f);
    c.weight.assign(c.value.size(), 0.0f);
    for (int32_t y = 0; y < c.h; ++y)
        for (int32_t x = 0; x < c.w; ++x) {
            float sw = 0, swv = 0;
            for (int32_t j = 2 * y; j < std::min(h, 2 * y + 2); ++j)
                for (int32_t i = 2 * x; i < std::min(w, 2 * x + 2); ++i) {
                    const float wt = weight(i, j);
                    sw += wt;
                    swv += wt * value(i, j);
                }
            const std::size_t k = static_cast<std::size_t>(y) * c.w + x;
            c.value[k] = sw > 0 ? swv / sw : 0.0f;
            c.weight[k] = std::min(1.0f, sw);
        }
    return c;
}

// Each pixel given (marked with an axis), from the known pixels along its
// axis on either side: each side's value the mean of the first few points
// there whose bilinear taps are all known, the two sides weighted by
// nearness (exact along a straight slope). Only known pixels are read, so
// the order does not matter.
void FillAlongAxes(float* plane, int32_t width, int32_t height, const std::vector<uint8_t>& mask,
                   const std::vector<std::size_t>& pixels)
{
    constexpr int kLongestWalk = 40, kSamples = 3;
    const std::size_t w = static_cast<std::size_t>(width);
    // The value at (px, py) from known pixels only; false if a tap it needs
    // is masked or outside.
    const auto known = [&](double px, double py, bool& outside, double& value) {
        const double fx = std::floor(px), fy = std::floor(py);
        const int32_t ix = static_cast<int32_t>(fx), iy = static_cast<int32_t>(fy);
        const double ax = px - fx, ay = py - fy;
        const double weight[4] = {(1 - ax) * (1 - ay), ax * (1 - ay), (1 - ax) * ay, ax * ay};
        value = 0;
        for (int t = 0; t < 4; ++t) {
            if (weight[t] <= 1e-9)
                continue;
            const int32_t tx = ix + (t & 1), ty = iy + (t >> 1);
            if (tx < 0 || ty < 0 || tx >= width || ty >= height) {
                outside = true;
                return false;
            }
            const std::size_t j = static_cast<std::size_t>(ty) * w + static_cast<std::size_t>(tx);
            if (mask[j])
                return false;
            value += weight[t] * plane[j];
        }
        return true;
    };
    for (std::size_t i : pixels) {
        double dx = 0, dy = 0;
        AxisVector(mask[i] - kMaskAlongAxis, dx, dy);
        const double x = static_cast<double>(i % w), y = static_cast<double>(i / w);
        double value[2] = {0, 0}, distance[2] = {0, 0};
        for (int side = 0; side < 2; ++side) {
            const double sx = side == 0 ? dx : -dx, sy = side == 0 ? dy : -dy;
            double sum = 0, along = 0;
            int count = 0;
            for (int t = 1; t <= kLongestWalk && count < kSamples; ++t) {
                bool outside = false;
                double v = 0;
                if (!known(x + t * sx, y + t * sy, outside, v)) {
                    if (outside || count > 0)
                        break;
                    continue;
                }
                sum += v;
                along += t;
                ++count;
            }
            if (count > 0) {
                value[side] = sum / count;
                distance[side] = along / count;
            }
        }
        if (distance[0] > 0 && distance[1] > 0)
            plane[i] = static_cast<float>((value[0] * distance[1] + value[1] * distance[0]) / (distance[0] + distance[1]));
        else if (distance[0] > 0 || distance[1] > 0)
            plane[i] = static_cast<float>(distance[0] > 0 ? value[0] : value[1]);
    }
}

} // namespace

void Inpaint(float* plane, int32_t width, int32_t height, const std::vector<uint8_t>& mask,
             const std::vector<std::size_t>& masked, const std::vector<Hole>& holes, const Plane& noise,
             float noiseScale, uint64_t seed)
{
    if (masked.empty())
        return;
    const std::size_t w = static_cast<std::size_t>(width);
    // Pull: a pyramid of ever coarser levels until no pixel is unknown.
    std::vector<Level> levels;
    levels.push_back(Reduce(
        width, height, [&](int32_t x, int32_t y) { return plane[static_cast<std::size_t>(y) * w + x]; },
        [&](int32_t x, int32_t y) { return mask[static_cast<std::size_t>(y) * w + x] ? 0.0f : 1.0f; }));
    while (levels.back().w > 1 || levels.back().h > 1) {
        const Level& f = levels.back();
        if (std::all_of(f.weight.begin(), f.weight.end(), [](float v) { return v >= 1.0f; }))
            break;
        Level c = Reduce(
            f.w, f.h, [&](int32_t x, int32_t y) { return f.value[static_cast<std::size_t>(y) * f.w + x]; },
            [&](int32_t x, int32_t y) { return f.weight[static_cast<std::size_t>(y) * f.w + x]; });
        levels.push_back(std::move(c));
    }
    // Push: each partly known pixel blends its own mean with the coarser estimate.
    for (std::size_t l = levels.size() - 1; l-- > 0;) {
        Level& f = levels[l];
        const Level& c = levels[l + 1];
        for (int32_t y = 0; y < f.h; ++y)
            for (int32_t x = 0; x < f.w; ++x) {
                const std::size_t k = static_cast<std::size_t>(y) * f.w + x;
                if (f.weight[k] < 1.0f)
                    f.value[k] = f.weight[k] * f.value[k] + (1 - f.weight[k]) * Upsampled(c, x, y);
            }
    }
    for (std::size_t i : masked)
        plane[i] = Upsampled(levels.front(), static_cast<int32_t>(i % w), static_cast<int32_t>(i / w));

    // Relaxation smooths the blocky pyramid estimate into the known border.
    std::vector<uint8_t> onEdge(masked.size());
    for (std::size_t m = 0; m < masked.size(); ++m) {
        const std::size_t x = masked[m] % w, y = masked[m] / w;
        onEdge[m] = x == 0 || y == 0 || x + 1 == w || static_cast<int32_t>(y) + 1 == height;
    }
    const auto clampedAt = [&](std::size_t i, int dx, int dy) {
        const int32_t x = std::clamp(static_cast<int32_t>(i % w) + dx, 0, width - 1);
        const int32_t y = std::clamp(static_cast<int32_t>(i / w) + dy, 0, height - 1);
        return plane[static_cast<std::size_t>(y) * w + x];
    };
    for (int pass = 0; pass < 10; ++pass)
        for (std::size_t m = 0; m < masked.size(); ++m) {
            const std::size_t i = masked[m];
            plane[i] = onEdge[m] ? 0.25f * (clampedAt(i, -1, 0) + clampedAt(i, 1, 0) + clampedAt(i, 0, -1) + clampedAt(i, 0, 1))
                                 : 0.25f * (plane[i - 1] + plane[i + 1] + plane[i - w] + plane[i + w]);
        }

    for (const Hole& hole : holes) {
        const std::size_t centre = static_cast<std::size_t>(std::lround(hole.cy)) * w + static_cast<std::size_t>(std::lround(hole.cx));
        FillWithSurface(plane, width, hole, kSurfaceFit * noise.v[centre] * noiseScale);
    }
    // The stars found along a filament's axis, along it: there the surface
    // flattens the filament's crest as Laplace's solution does.
    std::vector<std::size_t> alongAxis;
    for (std::size_t i : masked)
        if (mask[i] >= kMaskAlongAxis)
            alongAxis.push_back(i);
    FillAlongAxes(plane, width, height, mask, alongAxis);

    // Noise, from one generator per row so the result does not depend on
    // threads; normal deviates come from a fixed table (the filled area can
    // hold millions of pixels).
    static const std::vector<float> normals = [] {
        std::vector<float> table(65536);
        kv::sky::Prng rng(0x4E4F495345ull);
        for (float& v : table)
            v = static_cast<float>(rng.Normal());
        return table;
    }();
    std::size_t row = static_cast<std::size_t>(-1);
    kv::sky::Prng rng(seed);
    for (std::size_t i : masked) {
        if (i / w != row) {
            row = i / w;
            rng = kv::sky::Prng(seed ^ (row * 0x9E3779B97F4A7C15ull));
        }
        const float deviate = normals[static_cast<std::size_t>(rng.Next() >> 48)];
        plane[i] = std::clamp(plane[i] + deviate * noise.v[i] * noiseScale, 0.0f, 65535.0f);
    }
}

} // namespace kv::starless
