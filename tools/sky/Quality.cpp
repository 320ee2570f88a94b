#include "tools/sky/Quality.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace kv::sky {

namespace {

struct Plane {
    int32_t w, h;
    std::vector<float> v;
    float At(int32_t x, int32_t y) const { return v[static_cast<std::size_t>(y) * w + x]; }
};

// Separable Gaussian smoothing, edges clamped. Returns the sum of the squared
// weights of the 2-D kernel's square root: the factor by which it scales
// independent pixel noise.
double Smooth(const Plane& in, Plane& out, double sigma)
{
    const int r = std::max(1, static_cast<int>(std::ceil(3 * sigma)));
    std::vector<double> k(static_cast<std::size_t>(2 * r + 1));
    double sum = 0;
    for (int i = -r; i <= r; ++i)
        sum += k[static_cast<std::size_t>(i + r)] = std::exp(-i * i / (2 * sigma * sigma));
    double squares = 0;
    for (double& x : k) {
        x /= sum;
        squares += x * x;
    }
    Plane tmp{in.w, in.h, std::vector<float>(in.v.size())};
    out = tmp;
    for (int32_t y = 0; y < in.h; ++y)
        for (int32_t x = 0; x < in.w; ++x) {
            double s = 0;
            for (int i = -r; i <= r; ++i)
                s += k[static_cast<std::size_t>(i + r)] * in.At(std::clamp(x + i, 0, in.w - 1), y);
            tmp.v[static_cast<std::size_t>(y) * in.w + x] = static_cast<float>(s);
        }
    for (int32_t y = 0; y < in.h; ++y)
        for (int32_t x = 0; x < in.w; ++x) {
            double s = 0;
            for (int i = -r; i <= r; ++i)
                s += k[static_cast<std::size_t>(i + r)] * tmp.At(x, std::clamp(y + i, 0, in.h - 1));
            out.v[static_cast<std::size_t>(y) * in.w + x] = static_cast<float>(s);
        }
    return squares; // (sum of 1-D squares)^2 is the 2-D sum; its root is this
}

double Median(std::vector<double>& values)
{
    if (values.empty())
        return 0;
    const auto mid = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), mid, values.end());
    return *mid;
}

// Pixel noise of plane per 32 x 32 tile, from the differences of neighbours
// (robust against smooth structure).
std::vector<double> NoiseTiles(const Plane& p, int32_t tile, int32_t& tilesX)
{
    tilesX = (p.w + tile - 1) / tile;
    const int32_t tilesY = (p.h + tile - 1) / tile;
    std::vector<double> noise(static_cast<std::size_t>(tilesX) * tilesY);
    std::vector<double> d;
    for (int32_t ty = 0; ty < tilesY; ++ty)
        for (int32_t tx = 0; tx < tilesX; ++tx) {
            d.clear();
            for (int32_t y = ty * tile; y < std::min(p.h, (ty + 1) * tile); ++y)
                for (int32_t x = tx * tile; x < std::min(p.w - 1, (tx + 1) * tile); ++x)
                    d.push_back(std::abs(p.At(x + 1, y) - p.At(x, y)));
            noise[static_cast<std::size_t>(ty) * tilesX + tx] = 1.4826 * Median(d) / std::sqrt(2.0);
        }
    return noise;
}

double ProfileRadius(const Star& s, double level)
{
    if (s.peak <= level)
        return 0;
    if (s.beta > 0) {
        const double alpha = s.fwhm / (2 * std::sqrt(std::pow(2.0, 1.0 / s.beta) - 1));
        return alpha * std::sqrt(std::pow(s.peak / level, 1.0 / s.beta) - 1);
    }
    return s.fwhm / 2.354820045 * std::sqrt(2 * std::log(s.peak / level));
}

// Calls f(x, y) for the pixels of a spike strip: |across| <= halfWidth and
// 0 < along <= length, on each of the four spikes.
template <class F>
void ForSpikePixels(const Star& s, double angle, double length, double halfWidth, int32_t w, int32_t h, F f)
{
    const double reach = length + halfWidth + 1;
    const int32_t x0 = std::max(0, static_cast<int32_t>(s.x - reach)), x1 = std::min(w - 1, static_cast<int32_t>(s.x + reach));
    const int32_t y0 = std::max(0, static_cast<int32_t>(s.y - reach)), y1 = std::min(h - 1, static_cast<int32_t>(s.y + reach));
    for (int k = 0; k < 4; ++k) {
        const double a = angle + k * 1.5707963267948966;
        const double c = std::cos(a), sn = std::sin(a);
        for (int32_t y = y0; y <= y1; ++y)
            for (int32_t x = x0; x <= x1; ++x) {
                const double dx = x - s.x, dy = y - s.y;
                const double along = dx * c + dy * sn, across = -dx * sn + dy * c;
                if (along > 0 && along <= length && std::abs(across) <= halfWidth)
                    f(x, y);
            }
    }
}

template <class F>
void ForDisk(double cx, double cy, double r, int32_t w, int32_t h, F f)
{
    const int32_t x0 = std::max(0, static_cast<int32_t>(std::floor(cx - r))), x1 = std::min(w - 1, static_cast<int32_t>(std::ceil(cx + r)));
    const int32_t y0 = std::max(0, static_cast<int32_t>(std::floor(cy - r))), y1 = std::min(h - 1, static_cast<int32_t>(std::ceil(cy + r)));
    for (int32_t y = y0; y <= y1; ++y)
        for (int32_t x = x0; x <= x1; ++x)
            if ((x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r)
                f(x, y);
}

} // namespace

QualityFigures MeasureQuality(const Sky& sky, const std::vector<std::vector<float>>& result)
{
    QualityFigures q;
    const int32_t w = sky.width, h = sky.height;
    const std::size_t n = static_cast<std::size_t>(w) * h;
    const Plane truth{w, h, Luminance(sky.truth)};
    const Plane image{w, h, Luminance(sky.image)};
    Plane diff{w, h, Luminance(result)};
    for (std::size_t i = 0; i < n; ++i)
        diff.v[i] -= truth.v[i];

    std::vector<double> widths;
    for (const Star& s : sky.stars)
        widths.push_back(s.fwhm);
    const double psfSigma = Median(widths) / 2.354820045;
    Plane smooth;
    const double noiseFactor = Smooth(diff, smooth, psfSigma > 0 ? psfSigma : 1.0);
    int32_t tilesX = 0;
    constexpr int32_t kTile = 32;
    const std::vector<double> noise = NoiseTiles(truth, kTile, tilesX);
    auto localNoise = [&](int32_t x, int32_t y) { return noise[static_cast<std::size_t>(y / kTile) * tilesX + x / kTile]; };

    auto objectLight = [&](int32_t x, int32_t y) {
        double sum = 0;
        for (const auto& o : sky.objects)
            sum += o.At(x, y);
        return sum;
    };

    const double sigma = sky.noiseSigma;
    std::vector<uint8_t> aperture(n, 0), starLit(n, 0), objectLit(n, 0);
    std::vector<double> apertureRadius;
    for (const Star& s : sky.stars) {
        const double r = std::max(2.5 * s.fwhm, ProfileRadius(s, 3 * sigma));
        apertureRadius.push_back(r);
        ForDisk(s.x, s.y, r, w, h, [&](int32_t x, int32_t y) { aperture[static_cast<std::size_t>(y) * w + x] = 1; });
        ForDisk(s.x, s.y, std::max(r, s.extent), w, h, [&](int32_t x, int32_t y) { starLit[static_cast<std::size_t>(y) * w + x] = 1; });
        if (s.spikes) {
            const double visible = s.spikeDecay * std::log(std::max(1.0, s.spikeAmplitude / (3 * sigma)));
            ForSpikePixels(s, sky.spikeAngle, visible, 2.5, w, h,
                           [&](int32_t x, int32_t y) { aperture[static_cast<std::size_t>(y) * w + x] = 1; });
            ForSpikePixels(s, sky.spikeAngle, s.spikeLength, 4.0, w, h,
                           [&](int32_t x, int32_t y) { starLit[static_cast<std::size_t>(y) * w + x] = 1; });
        }
    }
    for (const auto& o : sky.objects)
        for (int32_t y = 0; y < o.height; ++y)
            for (int32_t x = 0; x < o.width; ++x)
                if (o.light[static_cast<std::size_t>(y) * o.width + x] >= 0.5 * sigma)
                    objectLit[static_cast<std::size_t>(o.y0 + y) * w + (o.x0 + x)] = 1;

    // Stars still visible, and holes on dark sky.
    q.stars = static_cast<int>(sky.stars.size());
    std::vector<double> ring;
    for (std::size_t k = 0; k < sky.stars.size(); ++k) {
        const Star& s = sky.stars[k];
        const double r = apertureRadius[k];
        const int32_t cx = static_cast<int32_t>(std::lround(s.x)), cy = static_cast<int32_t>(std::lround(s.y));
        ring.clear();
        ForDisk(s.x, s.y, r + 4, w, h, [&](int32_t x, int32_t y) {
            if ((x - s.x) * (x - s.x) + (y - s.y) * (y - s.y) > (r + 1) * (r + 1))
                ring.push_back(smooth.At(x, y));
        });
        const double level = Median(ring);
        const double stands = (smooth.At(cx, cy) - level) / localNoise(cx, cy);
        if (stands > 5) {
            ++q.visible;
            q.visibleStars.push_back(static_cast<int>(k));
        }
        if (stands > 5 * noiseFactor)
            ++q.detectable;
        if (objectLight(cx, cy) < sigma) {
            ++q.darkStars;
            double dip = 0;
            ForDisk(s.x, s.y, r, w, h, [&](int32_t x, int32_t y) { dip = std::min<double>(dip, smooth.At(x, y)); });
            q.deepestDip = std::min(q.deepestDip, dip / kFullScale);
            if (dip < -0.05 * kFullScale)
                ++q.holes;
        }
    }
    q.visibleFraction = q.stars > 0 ? double(q.visible) / q.stars : 0;
    q.detectableFraction = q.stars > 0 ? double(q.detectable) / q.stars : 0;

    double left = 0, own = 0, squares = 0;
    std::size_t untouched = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (aperture[i]) {
            left += diff.v[i];
            own += image.v[i] - truth.v[i];
        }
        if (!starLit[i] && !aperture[i] && !objectLit[i]) {
            squares += double(diff.v[i]) * diff.v[i];
            ++untouched;
        }
    }
    q.fluxLeft = own > 0 ? left / own : 0;
    q.untouchedRms = untouched > 0 ? std::sqrt(squares / double(untouched)) / kFullScale : 0;

    for (const auto& o : sky.objects) {
        double change = 0, light = 0;
        for (int32_t y = 0; y < o.height; ++y)
            for (int32_t x = 0; x < o.width; ++x) {
                const float l = o.light[static_cast<std::size_t>(y) * o.width + x];
                if (l >= 0.5 * sigma) {
                    change += diff.At(o.x0 + x, o.y0 + y);
                    light += l;
                }
            }
        ObjectChange c{o.kind, o.centerX, o.centerY, o.scale, light > 0 ? change / light : 0};
        q.worstObjectChange = std::max(q.worstObjectChange, std::abs(c.change));
        q.objects.push_back(c);
    }
    return q;
}

std::string FormatQuality(const QualityFigures& q)
{
    std::string text;
    char line[200];
    std::snprintf(line, sizeof line, "stars %d\nstars_visible %d (%.2f %%)\nstars_detectable %d (%.2f %%)\nstar_flux_left %+.2f %%\n",
                  q.stars, q.visible, 100 * q.visibleFraction, q.detectable, 100 * q.detectableFraction, 100 * q.fluxLeft);
    text += line;
    std::snprintf(line, sizeof line, "untouched_sky_rms %.4f %% of full scale\n", 100 * q.untouchedRms);
    text += line;
    for (const auto& o : q.objects) {
        std::snprintf(line, sizeof line, "object %s at %.0f,%.0f scale %.1f: flux change %+.2f %%\n", o.kind.c_str(),
                      o.centerX, o.centerY, o.scale, 100 * o.change);
        text += line;
    }
    std::snprintf(line, sizeof line, "worst_object_change %.2f %%\nholes %d of %d dark-sky stars (deepest dip %.2f %% of full scale)\n",
                  100 * q.worstObjectChange, q.holes, q.darkStars, 100 * q.deepestDip);
    text += line;
    return text;
}

} // namespace kv::sky
