#include "tools/starless/Holes.h"

#include <algorithm>
#include <array>

#include "tools/starless/Surface.h"

namespace kv::starless {

std::vector<Hole> FindHoles(const std::vector<uint8_t>& mask, const std::vector<std::size_t>& masked, int32_t width,
                            int32_t height, std::size_t largest, int32_t ringWidth)
{
    const std::size_t w = static_cast<std::size_t>(width);
    // One mark per pixel: for masked pixels the hole they belong to, for known
    // ones the last hole whose ring took them (so no ring holds a pixel twice).
    std::vector<int32_t> mark(mask.size(), -1);
    std::vector<Hole> holes;
    std::vector<std::size_t> pixels, stack;
    int32_t id = 0;
    for (std::size_t start : masked) {
        if (mark[start] >= 0)
            continue;
        pixels.clear();
        stack.assign(1, start);
        mark[start] = id;
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
                if (mask[j] && mark[j] < 0) {
                    mark[j] = id;
                    stack.push_back(j);
                }
            }
        }
        const int32_t holeId = id++;
        if (pixels.size() > largest)
            continue;
        Hole hole;
        hole.pixels = pixels;
        for (std::size_t i : pixels) {
            hole.cx += static_cast<double>(i % w);
            hole.cy += static_cast<double>(i / w);
        }
        hole.cx /= static_cast<double>(pixels.size());
        hole.cy /= static_cast<double>(pixels.size());
        for (std::size_t i : pixels) {
            const int32_t x = static_cast<int32_t>(i % w), y = static_cast<int32_t>(i / w);
            for (int32_t py = std::max(0, y - ringWidth); py <= std::min(height - 1, y + ringWidth); ++py)
                for (int32_t px = std::max(0, x - ringWidth); px <= std::min(width - 1, x + ringWidth); ++px) {
                    const std::size_t j = static_cast<std::size_t>(py) * w + static_cast<std::size_t>(px);
                    if (mask[j] || mark[j] == holeId)
                        continue;
                    mark[j] = holeId;
                    hole.ring.push_back(j);
                }
        }
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
