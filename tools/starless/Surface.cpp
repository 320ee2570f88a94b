#include "tools/starless/Surface.h"

#include <cmath>
#include <utility>

namespace kv::starless {

namespace {

constexpr int kTerms = 6;
// Coordinates scaled to about unit size keep the normal equations well conditioned.
constexpr double kScale = 1.0 / 8.0;

std::array<double, kTerms> Terms(double u, double v) { return {1.0, u, v, u * u, u * v, v * v}; }

} // namespace

double QuadraticSurface::At(double x, double y) const
{
    const auto t = Terms((x - cx) * kScale, (y - cy) * kScale);
    double sum = 0;
    for (int k = 0; k < kTerms; ++k)
        sum += a[k] * t[k];
    return sum;
}

bool QuadraticSurface::Top(double& x, double& y) const
{
    // The gradient vanishes where [2 a3, a4; a4, 2 a5] (u, v) = -(a1, a2);
    // a dome when that matrix is negative definite.
    const double det = 4 * a[3] * a[5] - a[4] * a[4];
    if (!(a[3] < 0 && det > 0))
        return false;
    const double u = (-2 * a[5] * a[1] + a[4] * a[2]) / det;
    const double v = (a[4] * a[1] - 2 * a[3] * a[2]) / det;
    x = cx + u / kScale;
    y = cy + v / kScale;
    return true;
}

bool FitQuadratic(double cx, double cy, const std::vector<SurfaceSample>& samples, QuadraticSurface& surface)
{
    if (samples.size() < 4 * kTerms)
        return false;
    std::array<std::array<double, kTerms>, kTerms> m{};
    std::array<double, kTerms> b{};
    for (const SurfaceSample& s : samples) {
        const auto t = Terms((s.x - cx) * kScale, (s.y - cy) * kScale);
        for (int r = 0; r < kTerms; ++r) {
            b[r] += t[r] * s.value;
            for (int c = 0; c < kTerms; ++c)
                m[r][c] += t[r] * t[c];
        }
    }
    // Gaussian elimination with partial pivoting.
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
    surface.cx = cx;
    surface.cy = cy;
    for (int r = kTerms - 1; r >= 0; --r) {
        double sum = b[r];
        for (int k = r + 1; k < kTerms; ++k)
            sum -= m[r][k] * surface.a[k];
        surface.a[r] = sum / m[r][r];
    }
    double squares = 0;
    for (const SurfaceSample& s : samples) {
        const double e = s.value - surface.At(s.x, s.y);
        squares += e * e;
    }
    surface.rms = std::sqrt(squares / static_cast<double>(samples.size()));
    return true;
}

} // namespace kv::starless
