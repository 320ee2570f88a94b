#include "tools/sky/Sky.h"

#include <algorithm>
#include <cmath>
#include <thread>

#include "tools/sky/Prng.h"

namespace kv::sky {

namespace {

constexpr double kPi = 3.14159265358979323846;

using Channels = std::vector<std::vector<float>>;

// Colour weights (red, green, blue) with mean 1; grey images use the mean.
struct Tint {
    double w[3];
};
constexpr Tint kNeutral{{1.0, 1.0, 1.0}};
constexpr Tint kSkyTint{{0.96, 1.0, 1.04}};
constexpr Tint kEmission{{1.45, 0.85, 0.70}};   // hydrogen red
constexpr Tint kReflection{{0.70, 0.95, 1.35}}; // dust blue
constexpr Tint kGalaxyTint{{1.15, 1.0, 0.85}};

double Weight(const Tint& tint, int channel, int channels) { return channels == 1 ? 1.0 : tint.w[channel]; }

// Runs body(row) for every row on two threads (rows interleaved).
template <class Body>
void ForRows(int32_t height, Body body)
{
    const unsigned threads = std::max(1u, std::min(2u, std::thread::hardware_concurrency()));
    std::vector<std::thread> pool;
    for (unsigned t = 1; t < threads; ++t)
        pool.emplace_back([&, t] {
            for (int32_t y = static_cast<int32_t>(t); y < height; y += static_cast<int32_t>(threads))
                body(y);
        });
    for (int32_t y = 0; y < height; y += static_cast<int32_t>(threads))
        body(y);
    for (auto& th : pool)
        th.join();
}

// Adds amplitude * exp(-d^2 / 2 sigma^2) of an elliptical Gaussian to plane,
// within 3.5 sigma.
void AddBlob(std::vector<float>& plane, int32_t w, int32_t h, double cx, double cy, double sx, double sy,
             double angle, double amplitude)
{
    const double r = 3.5 * std::max(sx, sy);
    const int32_t x0 = std::max(0, static_cast<int32_t>(cx - r)), x1 = std::min(w - 1, static_cast<int32_t>(cx + r));
    const int32_t y0 = std::max(0, static_cast<int32_t>(cy - r)), y1 = std::min(h - 1, static_cast<int32_t>(cy + r));
    const double c = std::cos(angle), s = std::sin(angle);
    for (int32_t y = y0; y <= y1; ++y)
        for (int32_t x = x0; x <= x1; ++x) {
            const double dx = x - cx, dy = y - cy;
            const double u = (c * dx + s * dy) / sx, v = (-s * dx + c * dy) / sy;
            plane[static_cast<std::size_t>(y) * w + x] += static_cast<float>(amplitude * std::exp(-0.5 * (u * u + v * v)));
        }
}

// A filament: a wandering curve drawn as a chain of round Gaussians, so that
// across it the light has a Gaussian profile of the given width.
void AddFilament(std::vector<float>& plane, int32_t w, int32_t h, Prng& rng, double minSide)
{
    double x = rng.Uniform(0.1, 0.9) * w, y = rng.Uniform(0.1, 0.9) * h;
    double heading = rng.Uniform(0, 2 * kPi);
    const double length = rng.Uniform(0.4, 0.9) * minSide;
    const double width = rng.Uniform(2.5, 6.0);
    const double amplitude = rng.Uniform(900, 3000);
    const double wave = rng.Uniform(40, 120), phase = rng.Uniform(0, 2 * kPi);
    double turn = rng.Uniform(-0.01, 0.01);
    constexpr double kStep = 1.0;
    const double stamp = kStep / (std::sqrt(2 * kPi) * width);
    const int32_t reach = static_cast<int32_t>(std::ceil(3.5 * width));
    for (double t = 0; t < length; t += kStep) {
        const double a = amplitude * (0.6 + 0.4 * std::sin(t / wave + phase)) * stamp;
        const int32_t cx = static_cast<int32_t>(std::lround(x)), cy = static_cast<int32_t>(std::lround(y));
        for (int32_t py = std::max(0, cy - reach); py <= std::min(h - 1, cy + reach); ++py)
            for (int32_t px = std::max(0, cx - reach); px <= std::min(w - 1, cx + reach); ++px) {
                const double dx = px - x, dy = py - y;
                plane[static_cast<std::size_t>(py) * w + px] +=
                    static_cast<float>(a * std::exp(-(dx * dx + dy * dy) / (2 * width * width)));
            }
        turn += rng.Uniform(-0.004, 0.004);
        turn = std::clamp(turn, -0.02, 0.02);
        heading += turn;
        x += kStep * std::cos(heading);
        y += kStep * std::sin(heading);
    }
}

ExtendedObject MakeGalaxy(Prng& rng, int32_t w, int32_t h, double scale, double peak)
{
    ExtendedObject g;
    g.kind = "galaxy";
    g.scale = scale;
    const double n = scale < 6 ? rng.Uniform(1.0, 1.6) : rng.Uniform(0.8, 1.5); // Sersic-like index
    const double q = rng.Uniform(0.45, 0.85);    // axis ratio
    const double angle = rng.Uniform(0, kPi);
    const double soft = 1.2;                     // seeing softens the core
    const double radius = std::min(scale * std::pow(std::log(peak / 0.5), n) / q, 0.45 * std::min(w, h));
    g.centerX = rng.Uniform(radius * 0.3, w - 1 - radius * 0.3);
    g.centerY = rng.Uniform(radius * 0.3, h - 1 - radius * 0.3);
    g.x0 = std::max(0, static_cast<int32_t>(g.centerX - radius));
    g.y0 = std::max(0, static_cast<int32_t>(g.centerY - radius));
    const int32_t x1 = std::min(w - 1, static_cast<int32_t>(g.centerX + radius));
    const int32_t y1 = std::min(h - 1, static_cast<int32_t>(g.centerY + radius));
    g.width = x1 - g.x0 + 1;
    g.height = y1 - g.y0 + 1;
    g.light.assign(static_cast<std::size_t>(g.width) * g.height, 0.0f);
    const double c = std::cos(angle), s = std::sin(angle);
    for (int32_t y = 0; y < g.height; ++y)
        for (int32_t x = 0; x < g.width; ++x) {
            const double dx = g.x0 + x - g.centerX, dy = g.y0 + y - g.centerY;
            const double u = c * dx + s * dy, v = (-s * dx + c * dy) / q;
            const double r = std::sqrt(u * u + v * v + soft * soft) - soft;
            const double value = peak * std::exp(-std::pow(r / scale, 1.0 / n));
            g.light[static_cast<std::size_t>(y) * g.width + x] = value < 0.5 ? 0.0f : static_cast<float>(value);
        }
    return g;
}

Star MakeStar(Prng& rng, int32_t w, int32_t h)
{
    Star s;
    s.x = rng.Uniform(0, w - 1);
    s.y = rng.Uniform(0, h - 1);
    // Many faint stars, few bright ones (a power law); about 1 % reach full scale.
    // Bright stars look wider in a stretched image.
    s.peak = std::min(150000.0, 60.0 * std::pow(1.0 - rng.Uniform(), -1.0 / 0.7));
    s.fwhm = rng.Uniform(2.4, 3.8) * (1.0 + 0.1 * std::log10(s.peak / 60.0));
    s.beta = rng.Uniform() < 0.65 ? rng.Uniform(2.5, 4.5) : 0.0;
    if (s.beta > 0) {
        const double alpha = s.fwhm / (2 * std::sqrt(std::pow(2.0, 1.0 / s.beta) - 1));
        s.flux = s.peak * kPi * alpha * alpha / (s.beta - 1);
        s.extent = alpha * std::sqrt(std::pow(s.peak / 0.5, 1.0 / s.beta) - 1);
    } else {
        const double sigma = s.fwhm / 2.354820045;
        s.flux = s.peak * 2 * kPi * sigma * sigma;
        s.extent = sigma * std::sqrt(2 * std::log(s.peak / 0.5));
    }
    s.extent = std::min(s.extent, 400.0);
    const double t = rng.Uniform(-1, 1); // colour temperature
    s.color[0] = 1 - 0.25 * t;
    s.color[1] = 1;
    s.color[2] = 1 + 0.25 * t;
    s.spikes = s.peak > 50000;
    if (s.spikes) {
        s.spikeAmplitude = 0.03 * s.peak;
        s.spikeDecay = 6 + s.peak / 8000;
        s.spikeLength = s.spikeDecay * std::log(s.spikeAmplitude / 0.5);
    }
    return s;
}

} // namespace

double Star::Light(double px, double py, double spikeAngle) const
{
    const double dx = px - x, dy = py - y;
    const double r2 = dx * dx + dy * dy;
    double value;
    if (beta > 0) {
        const double alpha = fwhm / (2 * std::sqrt(std::pow(2.0, 1.0 / beta) - 1));
        value = peak * std::pow(1 + r2 / (alpha * alpha), -beta);
    } else {
        const double sigma = fwhm / 2.354820045;
        value = peak * std::exp(-r2 / (2 * sigma * sigma));
    }
    if (spikes) {
        for (int k = 0; k < 4; ++k) {
            const double a = spikeAngle + k * kPi / 2;
            const double along = dx * std::cos(a) + dy * std::sin(a);
            const double across = -dx * std::sin(a) + dy * std::cos(a);
            if (along > 0 && std::abs(across) < 4)
                value += spikeAmplitude * std::exp(-along / spikeDecay) * std::exp(-across * across / (2 * 0.8 * 0.8)) *
                         (1 - std::exp(-along / 2));
        }
    }
    return value;
}

std::vector<float> Luminance(const Channels& channels)
{
    std::vector<float> lum(channels.front().size());
    const float scale = 1.0f / static_cast<float>(channels.size());
    for (std::size_t i = 0; i < lum.size(); ++i) {
        float sum = 0;
        for (const auto& c : channels)
            sum += c[i];
        lum[i] = sum * scale;
    }
    return lum;
}

Sky GenerateSky(const SkyOptions& options)
{
    Sky sky;
    const int32_t w = sky.width = options.width;
    const int32_t h = sky.height = options.height;
    const int nc = sky.channels = options.color ? 3 : 1;
    const std::size_t n = static_cast<std::size_t>(w) * static_cast<std::size_t>(h);
    const double minSide = std::min(w, h);
    const double area = static_cast<double>(n);
    Prng rng(options.seed);

    // Background: a level near a tenth of full scale, a gradient and a slow wave.
    const double level = rng.Uniform(5800, 6800);
    const double gx = rng.Uniform(-900, 900), gy = rng.Uniform(-900, 900);
    const double waveX = rng.Uniform(1.0, 2.0) * 2 * kPi / w, waveY = rng.Uniform(1.0, 2.0) * 2 * kPi / h;
    const double wavePhase = rng.Uniform(0, 2 * kPi);
    sky.noiseSigma = 30.0;
    sky.spikeAngle = rng.Uniform(0, kPi / 2);

    // The nebula: broad emission and reflection clouds and emission filaments.
    std::vector<float> emission(n, 0.0f), reflection(n, 0.0f);
    for (int i = 0; i < 4; ++i)
        AddBlob(emission, w, h, rng.Uniform(0.15, 0.85) * w, rng.Uniform(0.15, 0.85) * h,
                rng.Uniform(0.06, 0.16) * minSide, rng.Uniform(0.06, 0.16) * minSide, rng.Uniform(0, kPi),
                rng.Uniform(700, 2200));
    for (int i = 0; i < 2; ++i)
        AddBlob(reflection, w, h, rng.Uniform(0.15, 0.85) * w, rng.Uniform(0.15, 0.85) * h,
                rng.Uniform(0.05, 0.12) * minSide, rng.Uniform(0.05, 0.12) * minSide, rng.Uniform(0, kPi),
                rng.Uniform(600, 1800));
    const int filaments = 4 + static_cast<int>(rng.Uniform(0, 4));
    for (int i = 0; i < filaments; ++i)
        AddFilament(emission, w, h, rng, minSide);

    // Galaxies: one large, one middling, the rest small (a few star widths).
    const int galaxies = std::max(3, static_cast<int>(std::lround(6 * area / 3e6)));
    for (int i = 0; i < galaxies; ++i) {
        const double scale = i == 0 ? 0.03 * minSide : i == 1 ? std::max(5.0, 0.012 * minSide) : rng.Uniform(3.0, 4.5);
        const double peak = i < 2 ? rng.Uniform(6000, 14000) : rng.Uniform(1500, 6000);
        sky.objects.push_back(MakeGalaxy(rng, w, h, scale, peak));
    }

    const int starCount = static_cast<int>(area / 900);
    for (int i = 0; i < starCount; ++i)
        sky.stars.push_back(MakeStar(rng, w, h));

    // Star-free sky per channel, noise included.
    Channels base(static_cast<std::size_t>(nc), std::vector<float>(n));
    const uint64_t noiseStream = rng.Next();
    ForRows(h, [&](int32_t y) {
        for (int c = 0; c < nc; ++c) {
            Prng noise(noiseStream ^ (static_cast<uint64_t>(y) * 0x9E3779B97F4A7C15ull + static_cast<uint64_t>(c) * 0xD1B54A32D192ED03ull));
            float* row = base[static_cast<std::size_t>(c)].data() + static_cast<std::size_t>(y) * w;
            const float* em = emission.data() + static_cast<std::size_t>(y) * w;
            const float* re = reflection.data() + static_cast<std::size_t>(y) * w;
            for (int32_t x = 0; x < w; ++x) {
                const double bg = level + gx * (x / double(w) - 0.5) + gy * (y / double(h) - 0.5) +
                                  150 * std::sin(x * waveX + wavePhase) * std::cos(y * waveY);
                row[x] = static_cast<float>(bg * Weight(kSkyTint, c, nc) + em[x] * Weight(kEmission, c, nc) +
                                            re[x] * Weight(kReflection, c, nc) + sky.noiseSigma * noise.Normal());
            }
        }
    });
    for (const auto& g : sky.objects)
        for (int32_t y = 0; y < g.height; ++y)
            for (int32_t x = 0; x < g.width; ++x)
                for (int c = 0; c < nc; ++c)
                    base[static_cast<std::size_t>(c)][static_cast<std::size_t>(g.y0 + y) * w + (g.x0 + x)] +=
                        static_cast<float>(g.light[static_cast<std::size_t>(y) * g.width + x] * Weight(kGalaxyTint, c, nc));
    ExtendedObject nebula;
    nebula.kind = "nebula";
    nebula.width = w;
    nebula.height = h;
    nebula.centerX = w / 2.0;
    nebula.centerY = h / 2.0;
    if (options.withTruth) {
        nebula.light.resize(n);
        for (std::size_t i = 0; i < n; ++i)
            nebula.light[i] = emission[i] + reflection[i];
    }
    emission = {};
    reflection = {};

    // Stars on top, with their own shot noise; then clipping at full scale.
    Channels starLight(static_cast<std::size_t>(nc), std::vector<float>(n, 0.0f));
    for (Star& s : sky.stars) {
        const double reach = std::max(s.extent, s.spikeLength) + 1;
        const int32_t x0 = std::max(0, static_cast<int32_t>(s.x - reach)), x1 = std::min(w - 1, static_cast<int32_t>(s.x + reach));
        const int32_t y0 = std::max(0, static_cast<int32_t>(s.y - reach)), y1 = std::min(h - 1, static_cast<int32_t>(s.y + reach));
        const double limit2 = (s.extent + 1) * (s.extent + 1);
        for (int32_t y = y0; y <= y1; ++y)
            for (int32_t x = x0; x <= x1; ++x) {
                const double dx = x - s.x, dy = y - s.y;
                if (!s.spikes && dx * dx + dy * dy > limit2)
                    continue;
                const double value = s.Light(x, y, sky.spikeAngle);
                if (value < 0.05)
                    continue;
                for (int c = 0; c < nc; ++c)
                    starLight[static_cast<std::size_t>(c)][static_cast<std::size_t>(y) * w + x] +=
                        static_cast<float>(value * (nc == 1 ? 1.0 : s.color[c]));
            }
    }
    const uint64_t shotStream = rng.Next();
    sky.image.assign(static_cast<std::size_t>(nc), std::vector<float>(n));
    if (options.withTruth)
        sky.truth.assign(static_cast<std::size_t>(nc), std::vector<float>(n));
    ForRows(h, [&](int32_t y) {
        for (int c = 0; c < nc; ++c) {
            Prng shot(shotStream ^ (static_cast<uint64_t>(y) * 0x9E3779B97F4A7C15ull + static_cast<uint64_t>(c) * 0xD1B54A32D192ED03ull));
            const std::size_t first = static_cast<std::size_t>(y) * w;
            for (int32_t x = 0; x < w; ++x) {
                const std::size_t i = first + x;
                const double b = base[static_cast<std::size_t>(c)][i];
                const double star = starLight[static_cast<std::size_t>(c)][i];
                const double withStar = b + (star > 0 ? star + shot.Normal() * std::sqrt(0.25 * star) : 0.0);
                sky.image[static_cast<std::size_t>(c)][i] = static_cast<float>(std::nearbyint(std::clamp(withStar, 0.0, 65535.0)));
                if (options.withTruth)
                    sky.truth[static_cast<std::size_t>(c)][i] = static_cast<float>(std::nearbyint(std::clamp(b, 0.0, 65535.0)));
            }
        }
    });
    for (Star& s : sky.stars) {
        const std::size_t i = static_cast<std::size_t>(std::lround(s.y)) * w + static_cast<std::size_t>(std::lround(s.x));
        for (int c = 0; c < nc; ++c)
            s.saturated = s.saturated || sky.image[static_cast<std::size_t>(c)][i] >= 65535.0f;
    }
    if (options.withTruth)
        sky.objects.push_back(std::move(nebula));
    else
        sky.objects.clear();
    return sky;
}

} // namespace kv::sky
