// A quadratic surface fitted by least squares: the smooth structure around a
// hole, or under a star that stands on a knot or a slope.
#pragma once

#include <array>
#include <vector>

namespace kv::starless {

struct SurfaceSample {
    double x = 0, y = 0, value = 0;
};

struct QuadraticSurface {
    double cx = 0, cy = 0;      // the point the terms are taken about
    std::array<double, 6> a{};  // 1, u, v, u^2, uv, v^2 with u = (x - cx) / 8, v = (y - cy) / 8
    double rms = 0;             // of the samples' departures from the surface

    double At(double x, double y) const;
    // The top of a dome (curved down in every direction); false for any other shape.
    bool Top(double& x, double& y) const;
};

// The surface through samples about (cx, cy); false when they do not pin it
// down (fewer than four a term, or all on a line).
bool FitQuadratic(double cx, double cy, const std::vector<SurfaceSample>& samples, QuadraticSurface& surface);

} // namespace kv::starless
