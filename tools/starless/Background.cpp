#include "tools/starless/Background.h"

#include <algorithm>
#include <cmath>

#include "tools/starless/Median.h"
#include "tools/starless/Parallel.h"

namespace kv::starless {

namespace {

// Noise from the absolute differences of horizontal neighbours: for Gaussian
// noise their median is 0.6745 * sqrt(2) sigma; smooth structure barely moves it.
float NoiseFromDifferences(std::vector<float>& differences)
{
    return 1.4826f * MedianOf(differences) / 1.41421356f;
}

// Bilinear interpolation of a tile grid (values at tile centres) to every pixel.
Plane Interpolate(const std::vector<float>& grid, int32_t tilesX, int32_t tilesY, double stepX, double stepY, int32_t w,
                  int32_t h, int threads)
{
    Plane out(w, h);
    ParallelRows(h, threads, [&](int32_t y0, int32_t y1) {
        for (int32_t y = y0; y < y1; ++y) {
            const double gy = std::clamp((y + 0.5) / stepY - 0.5, 0.0, double(tilesY - 1));
            const int32_t ty = std::min(static_cast<int32_t>(gy), tilesY - 1);
            const int32_t ty1 = std::min(ty + 1, tilesY - 1);
            const float ay = static_cast<float>(gy - ty);
            for (int32_t x = 0; x < w; ++x) {
                const double gx = std::clamp((x + 0.5) / stepX - 0.5, 0.0, double(tilesX - 1));
                const int32_t tx = std::min(static_cast<int32_t>(gx), tilesX - 1);
                const int32_t tx1 = std::min(tx + 1, tilesX - 1);
                const float ax = static_cast<float>(gx - tx);
                const auto g = [&](int32_t i, int32_t j) { return grid[static_cast<std::size_t>(j) * tilesX + i]; };
                const float top = g(tx, ty) * (1 - ax) + g(tx1, ty) * ax;
                const float bottom = g(tx, ty1) * (1 - ax) + g(tx1, ty1) * ax;
                out.v[out.Index(x, y)] = top * (1 - ay) + bottom * ay;
            }
        }
    });
    return out;
}

} // namespace

Background EstimateNoise(const Plane& image, int32_t tile, int threads)
{
    const int32_t tilesX = std::max(1, (image.w + tile / 2) / tile);
    const int32_t tilesY = std::max(1, (image.h + tile / 2) / tile);
    std::vector<float> noise(static_cast<std::size_t>(tilesX) * tilesY);
    ParallelFor(tilesY, threads, [&](int ty) {
        std::vector<float> differences;
        for (int32_t tx = 0; tx < tilesX; ++tx) {
            const int32_t x0 = tx * image.w / tilesX, x1 = (tx + 1) * image.w / tilesX;
            const int32_t y0 = ty * image.h / tilesY, y1 = (ty + 1) * image.h / tilesY;
            differences.clear();
            for (int32_t y = y0; y < y1; ++y)
                for (int32_t x = x0; x + 1 < x1; ++x)
                    differences.push_back(std::abs(image.At(x + 1, y) - image.At(x, y)));
            const float sigma = NoiseFromDifferences(differences);
            noise[static_cast<std::size_t>(ty) * tilesX + tx] = std::max(sigma, 1e-3f);
        }
    });
    // The tiles are equal shares of the image: their centres lie a share apart.
    const double stepX = double(image.w) / tilesX, stepY = double(image.h) / tilesY;
    Background b;
    b.noise = Interpolate(noise, tilesX, tilesY, stepX, stepY, image.w, image.h, threads);
    return b;
}

Plane SmoothSigma1(const Plane& image, int threads)
{
    constexpr float k[7] = {0.004433f, 0.054006f, 0.242036f, 0.399050f, 0.242036f, 0.054006f, 0.004433f};
    Plane tmp(image.w, image.h), out(image.w, image.h);
    ParallelRows(image.h, threads, [&](int32_t y0, int32_t y1) {
        for (int32_t y = y0; y < y1; ++y)
            for (int32_t x = 0; x < image.w; ++x) {
                float s = 0;
                if (x >= 3 && x + 3 < image.w) {
                    const float* p = &image.v[image.Index(x - 3, y)];
                    for (int i = 0; i < 7; ++i)
                        s += k[i] * p[i];
                } else {
                    for (int i = 0; i < 7; ++i)
                        s += k[i] * image.Clamped(x + i - 3, y);
                }
                tmp.v[tmp.Index(x, y)] = s;
            }
    });
    ParallelRows(image.h, threads, [&](int32_t y0, int32_t y1) {
        for (int32_t y = y0; y < y1; ++y) {
            const float* rows[7];
            for (int i = 0; i < 7; ++i)
                rows[i] = &tmp.v[tmp.Index(0, std::clamp(y + i - 3, 0, image.h - 1))];
            float* o = &out.v[out.Index(0, y)];
            for (int32_t x = 0; x < image.w; ++x) {
                float s = 0;
                for (int i = 0; i < 7; ++i)
                    s += k[i] * rows[i][x];
                o[x] = s;
            }
        }
    });
    return out;
}

namespace {

// One box pass of radius r along rows (horizontal) or columns, edges clamped.
void BoxPass(const Plane& in, Plane& out, int r, bool horizontal, int threads)
{
    const int32_t w = in.w, h = in.h;
    const float scale = 1.0f / static_cast<float>(2 * r + 1);
    if (horizontal) {
        ParallelRows(h, threads, [&](int32_t y0, int32_t y1) {
            for (int32_t y = y0; y < y1; ++y) {
                const float* src = &in.v[in.Index(0, y)];
                float* dst = &out.v[out.Index(0, y)];
                double sum = 0;
                for (int i = -r; i <= r; ++i)
                    sum += src[std::clamp(i, 0, w - 1)];
                for (int32_t x = 0; x < w; ++x) {
                    dst[x] = static_cast<float>(sum) * scale;
                    sum += src[std::min(x + r + 1, w - 1)] - src[std::max(x - r, 0)];
                }
            }
        });
    } else {
        ParallelRows(h, threads, [&](int32_t y0, int32_t y1) {
            std::vector<double> sum(static_cast<std::size_t>(w), 0.0);
            for (int i = y0 - r; i <= y0 + r; ++i) {
                const float* src = &in.v[in.Index(0, std::clamp(i, 0, h - 1))];
                for (int32_t x = 0; x < w; ++x)
                    sum[static_cast<std::size_t>(x)] += src[x];
            }
            for (int32_t y = y0; y < y1; ++y) {
                float* dst = &out.v[out.Index(0, y)];
                const float* add = &in.v[in.Index(0, std::min(y + r + 1, h - 1))];
                const float* sub = &in.v[in.Index(0, std::max(y - r, 0))];
                for (int32_t x = 0; x < w; ++x) {
                    dst[x] = static_cast<float>(sum[static_cast<std::size_t>(x)]) * scale;
                    sum[static_cast<std::size_t>(x)] += add[x] - sub[x];
                }
            }
        });
    }
}

} // namespace

Plane WideSmooth(const Plane& image, int threads)
{
    Plane a(image.w, image.h), b(image.w, image.h);
    BoxPass(image, a, 3, true, threads);
    BoxPass(a, b, 3, true, threads);
    BoxPass(b, a, 3, true, threads);
    BoxPass(a, b, 3, false, threads);
    BoxPass(b, a, 3, false, threads);
    BoxPass(a, b, 3, false, threads);
    return b;
}

float GlobalNoise(const float* values, int32_t width, int32_t height)
{
    std::vector<float> differences;
    const int32_t stride = std::max(1, height / 256);
    for (int32_t y = 0; y < height; y += stride) {
        const float* row = values + static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
        for (int32_t x = 0; x + 1 < width; ++x)
            differences.push_back(std::abs(row[x + 1] - row[x]));
    }
    return std::max(NoiseFromDifferences(differences), 1e-3f);
}

} // namespace kv::starless
