#include "tools/starless/Holes.h"

#include <algorithm>
#include <array>
#include <cmath>

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

namespace {

constexpr int kTerms = 6; // 1, u, v, u^2, uv, v^2

// The terms at a pixel, in coordinates about the hole's centre scaled to
// about unit size (the normal equations stay well conditioned).
std::array<double, kTerms> Terms(const Hole& hole, std::size_t i, std::size_t w)
{
    constexpr double kScale = 1.0 / 8.0;
    const double u = (static_cast<double>(i % w) - hole.cx) * kScale;
    const double v = (static_cast<double>(i / w) - hole.cy) * kScale;
    return {1.0, u, v, u * u, u * v, v * v};
}

// Solves m a = b by Gaussian elimination with partial pivoting; false when singular.
bool Solve(std::array<std::array<double, kTerms>, kTerms> m, std::array<double, kTerms> b, std::array<double, kTerms>& a)
{
    for (int c = 0; c < kTerms; ++c) {
        int pivot = c;
        for (int r = c + 1; r < kTerms; ++r)
            if (std::abs(m[r][c]) > std::abs(m[pivot][c]))
                pivot = r;
        if (std::abs(m[pivot][c]) < 1e-9)
            return false;
        std::swap(m[c], m[pivot]);
        std::swap(b[c], b[pivot]);
        for (int r = c + 1; r < kTerms; ++r) {
            const double f = m[r][c] / m[c][c];
            for (int k = c; k < kTerms; ++k)
                m[r][k] -= f * m[c][k];
            b[r] -= f * b[c];
        }
    }
    for (int r = kTerms - 1; r >= 0; --r) {
        double sum = b[r];
        for (int k = r + 1; k < kTerms; ++k)
            sum -= m[r][k] * a[k];
        a[r] = sum / m[r][r];
    }
    return true;
}

double Evaluate(const std::array<double, kTerms>& a, const std::array<double, kTerms>& t)
{
    double sum = 0;
    for (int k = 0; k < kTerms; ++k)
        sum += a[k] * t[k];
    return sum;
}

} // namespace

bool FillWithSurface(float* plane, int32_t width, const Hole& hole, double tolerance)
{
    // Four ring pixels a term at least, or the surface is not pinned down.
    if (hole.ring.size() < 4 * kTerms)
        return false;
    const std::size_t w = static_cast<std::size_t>(width);
    std::array<std::array<double, kTerms>, kTerms> m{};
    std::array<double, kTerms> b{}, a{};
    for (std::size_t j : hole.ring) {
        const auto t = Terms(hole, j, w);
        for (int r = 0; r < kTerms; ++r) {
            b[r] += t[r] * plane[j];
            for (int c = 0; c < kTerms; ++c)
                m[r][c] += t[r] * t[c];
        }
    }
    if (!Solve(m, b, a))
        return false;
    double squares = 0;
    for (std::size_t j : hole.ring) {
        const double e = plane[j] - Evaluate(a, Terms(hole, j, w));
        squares += e * e;
    }
    if (std::sqrt(squares / static_cast<double>(hole.ring.size())) > tolerance)
        return false;
    for (std::size_t i : hole.pixels)
        plane[i] = static_cast<float>(Evaluate(a, Terms(hole, i, w)));
    return true;
}

} // namespace kv::starless
