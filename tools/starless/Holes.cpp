#include "tools/starless/Holes.h"

#include <algorithm>
#include <array>

#include "tools/starless/Surface.h"

namespace kv::starless {

namespace {

// out[i] = 1 where in holds a 1 within reach of i; count values step apart.
void Dilate(const uint8_t* in, uint8_t* out, int32_t count, int32_t step, int32_t reach)
{
    int ones = 0; // in [i - reach, i + reach]
    for (int32_t i = 0; i < std::min(count, reach); ++i)
        ones += in[static_cast<std::ptrdiff_t>(i) * step];
    for (int32_t i = 0; i < count; ++i) {
        if (i + reach < count)
            ones += in[static_cast<std::ptrdiff_t>(i + reach) * step];
        if (i - reach - 1 >= 0)
            ones -= in[static_cast<std::ptrdiff_t>(i - reach - 1) * step];
        out[static_cast<std::ptrdiff_t>(i) * step] = ones > 0;
    }
}

} // namespace

std::vector<Hole> FindHoles(const std::vector<uint8_t>& mask, const std::vector<std::size_t>& masked, int32_t width,
                            int32_t height, std::size_t largest, int32_t ringWidth)
{
    const std::size_t w = static_cast<std::size_t>(width);
    std::vector<uint8_t> seen(mask.size(), 0), inHole, across, dilated; // seen: masked pixels already in a hole

    std::vector<Hole> holes;
    std::vector<std::size_t> pixels, stack;
    for (std::size_t start : masked) {
        if (seen[start])
            continue;
        pixels.clear();
        stack.assign(1, start);
        seen[start] = 1;
        while (!stack.empty()) {
            const std::size_t i = stack.back();
            stack.pop_back();
            pixels.push_back(i);
            const int32_t x = static_cast<int32_t>(i % w), y = static_cast<int32_t>(i / w);
            const std::array<std::array<int32_t, 2>, 4> next{{{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}}};
            for (const auto& [nx, ny] : next) {
                if (nx < 0 || ny < 0 || nx >= width || ny >= height)
                    continue;
                const std::size_t j = static_cast<std::size_t>(ny) * w + static_cast<std::size_t>(nx);
                if (mask[j] && !seen[j]) {
                    seen[j] = 1;
                    stack.push_back(j);
                }
            }
        }
        if (pixels.size() > largest)
            continue;
        Hole hole;
        int32_t x0 = width, y0 = height, x1 = -1, y1 = -1;
        for (std::size_t i : pixels) {
            const int32_t x = static_cast<int32_t>(i % w), y = static_cast<int32_t>(i / w);
            hole.cx += x;
            hole.cy += y;
            x0 = std::min(x0, x);
            x1 = std::max(x1, x);
            y0 = std::min(y0, y);
            y1 = std::max(y1, y);
        }
        hole.cx /= static_cast<double>(pixels.size());
        hole.cy /= static_cast<double>(pixels.size());
        // The ring: the hole dilated by ringWidth (a square reach, one row
        // pass and one column pass over its box), less the masked pixels.
        x0 = std::max(0, x0 - ringWidth);
        y0 = std::max(0, y0 - ringWidth);
        x1 = std::min(width - 1, x1 + ringWidth);
        y1 = std::min(height - 1, y1 + ringWidth);
        const int32_t bw = x1 - x0 + 1, bh = y1 - y0 + 1;
        inHole.assign(static_cast<std::size_t>(bw) * bh, 0);
        for (std::size_t i : pixels)
            inHole[static_cast<std::size_t>(static_cast<int32_t>(i / w) - y0) * bw + (static_cast<int32_t>(i % w) - x0)] = 1;
        across.assign(inHole.size(), 0);
        for (int32_t y = 0; y < bh; ++y)
            Dilate(&inHole[static_cast<std::size_t>(y) * bw], &across[static_cast<std::size_t>(y) * bw], bw, 1, ringWidth);
        dilated.assign(inHole.size(), 0);
        for (int32_t x = 0; x < bw; ++x)
            Dilate(&across[static_cast<std::size_t>(x)], &dilated[static_cast<std::size_t>(x)], bh, bw, ringWidth);
        for (int32_t y = 0; y < bh; ++y)
            for (int32_t x = 0; x < bw; ++x) {
                const std::size_t j = static_cast<std::size_t>(y0 + y) * w + static_cast<std::size_t>(x0 + x);
                if (dilated[static_cast<std::size_t>(y) * bw + x] && !mask[j])
                    hole.ring.push_back(j);
            }
        hole.pixels.swap(pixels);
        holes.push_back(std::move(hole));
    }
    return holes;
}

bool FillWithSurface(float* plane, int32_t width, const Hole& hole, double tolerance)
{
    const std::size_t w = static_cast<std::size_t>(width);
    std::vector<SurfaceSample> samples;
    samples.reserve(hole.ring.size());
    for (std::size_t j : hole.ring)
        samples.push_back({static_cast<double>(j % w), static_cast<double>(j / w), plane[j]});
    QuadraticSurface surface;
    if (!FitQuadratic(hole.cx, hole.cy, samples, surface) || surface.rms > tolerance)
        return false;
    for (std::size_t i : hole.pixels)
        plane[i] = static_cast<float>(surface.At(static_cast<double>(i % w), static_cast<double>(i / w)));
    return true;
}

} // namespace kv::starless
