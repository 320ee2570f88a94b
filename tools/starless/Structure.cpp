#include "tools/starless/Structure.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "tools/starless/Parallel.h"

namespace kv::starless {

namespace {

constexpr double kNear = 4.0, kFar = 5.0;

// The four points along each axis (4 and 5 px on either side), as the
// offsets and weights of their bilinear taps; the interior of an image
// needs no edge handling.
constexpr int kPoints = 4;
struct AxisTable {
    double c[kAxes], s[kAxes];
    // The change along axis k: |gx gc + gy gs| + |hxx hc + hxy hcs + hyy hs|.
    float gc[kAxes], gs[kAxes], hc[kAxes], hcs[kAxes], hs[kAxes];
    int32_t dx[kAxes][kPoints], dy[kAxes][kPoints];
    float wx[kAxes][kPoints], wy[kAxes][kPoints];
    AxisTable()
    {
        for (int k = 0; k < kAxes; ++k) {
            c[k] = std::cos(k * 3.14159265358979323846 / kAxes);
            s[k] = std::sin(k * 3.14159265358979323846 / kAxes);
            gc[k] = static_cast<float>(c[k] * kFar);
            gs[k] = static_cast<float>(s[k] * kFar);
            hc[k] = static_cast<float>(0.5 * c[k] * c[k] * kFar * kFar);
            hcs[k] = static_cast<float>(c[k] * s[k] * kFar * kFar);
            hs[k] = static_cast<float>(0.5 * s[k] * s[k] * kFar * kFar);
            const double along[kPoints] = {kNear, -kNear, kFar, -kFar};
            for (int p = 0; p < kPoints; ++p) {
                const double x = along[p] * c[k], y = along[p] * s[k];
                dx[k][p] = static_cast<int32_t>(std::floor(x));
                dy[k][p] = static_cast<int32_t>(std::floor(y));
                wx[k][p] = static_cast<float>(x - std::floor(x));
                wy[k][p] = static_cast<float>(y - std::floor(y));
            }
        }
    }
};
const AxisTable kAxis;
constexpr int32_t kInterior = static_cast<int32_t>(kFar) + 1;

// wide(dx, dy) gives the wide smoothing that far from the pixel.
template <class Wide>
Axis BestAxis(Wide wide)
{
    const float centre = wide(0, 0), east = wide(1, 0), west = wide(-1, 0), south = wide(0, 1), north = wide(0, -1);
    const float gx = 0.5f * (east - west), gy = 0.5f * (south - north);
    const float hxx = east - 2 * centre + west, hyy = south - 2 * centre + north;
    const float hxy = 0.25f * (wide(1, 1) - wide(1, -1) - wide(-1, 1) + wide(-1, -1));
    // The change at distance t along u on either side: |g.u| t and half of |u'Hu| t^2.
    float change[kAxes];
    for (int k = 0; k < kAxes; ++k)
        change[k] = std::abs(gx * kAxis.gc[k] + gy * kAxis.gs[k]) + std::abs(hxx * kAxis.hc[k] + hxy * kAxis.hcs[k] + hyy * kAxis.hs[k]);
    Axis best;
    best.least = change[0];
    best.most = change[0];
    for (int k = 1; k < kAxes; ++k) {
        if (change[k] < best.least) {
            best.least = change[k];
            best.k = k;
        }
        best.most = std::max<double>(best.most, change[k]);
    }
    return best;
}

} // namespace

void AxisVector(int axis, double& dx, double& dy)
{
    dx = kAxis.c[axis];
    dy = kAxis.s[axis];
}

Axis AxisAt(const Plane& smooth, const Plane& band, int32_t x, int32_t y)
{
    return BestAxis([&](int32_t dx, int32_t dy) { return smooth.Clamped(x + dx, y + dy) - band.Clamped(x + dx, y + dy); });
}

Plane AxisContrast(const Plane& smooth, const Plane& wide, int threads)
{
    Plane out(smooth.w, smooth.h);
    const int32_t w = smooth.w, h = smooth.h;
    ParallelRows(h, threads, [&](int32_t y0, int32_t y1) {
        // The wide smoothing barely turns within two pixels: each 2 x 2
        // block of the interior takes the axis of its first pixel.
        std::vector<uint8_t> blockAxis(static_cast<std::size_t>(w / 2 + 1), 0);
        for (int32_t y = y0; y < y1; ++y) {
            const bool innerRow = y >= kInterior && y < h - kInterior;
            const bool firstOfBlock = y == y0 || y % 2 == 0;
            for (int32_t x = 0; x < w; ++x) {
                const std::size_t i = smooth.Index(x, y);
                float around = 0;
                if (innerRow && x >= kInterior && x < w - kInterior) {
                    const float* wp = &wide.v[i];
                    const std::ptrdiff_t row = w;
                    uint8_t& shared = blockAxis[static_cast<std::size_t>(x / 2)];
                    if (firstOfBlock && (x % 2 == 0 || x == kInterior))
                        shared = static_cast<uint8_t>(BestAxis([&](int32_t dx, int32_t dy) { return wp[dy * row + dx]; }).k);
                    const int k = shared;
                    for (int p = 0; p < kPoints; ++p) {
                        const float* q = &smooth.v[i] + kAxis.dy[k][p] * row + kAxis.dx[k][p];
                        const float ax = kAxis.wx[k][p], ay = kAxis.wy[k][p];
                        const float top = q[0] * (1 - ax) + q[1] * ax;
                        const float bottom = q[row] * (1 - ax) + q[row + 1] * ax;
                        around += top * (1 - ay) + bottom * ay;
                    }
                } else {
                    const int k = BestAxis([&](int32_t dx, int32_t dy) { return wide.Clamped(x + dx, y + dy); }).k;
                    const double c = kAxis.c[k], s = kAxis.s[k];
                    around = smooth.Bilinear(x + kNear * c, y + kNear * s) + smooth.Bilinear(x - kNear * c, y - kNear * s) +
                             smooth.Bilinear(x + kFar * c, y + kFar * s) + smooth.Bilinear(x - kFar * c, y - kFar * s);
                }
                out.v[i] = smooth.v[i] - 0.25f * around;
            }
        }
    });
    return out;
}

} // namespace kv::starless
