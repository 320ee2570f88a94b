// The contrast along a structure's axis: along a filament the filament
// vanishes and a star on its flank stands out, though the band hides it.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>
#include <vector>

#include "tools/starless/Background.h"
#include "tools/starless/Structure.h"

namespace {

using kv::starless::Plane;

constexpr int32_t kSide = 81;

// A straight filament through (40, 40) at angle (radians), Gaussian across,
// with a star at its side, `across` px from the crest, if starPeak > 0.
Plane Filament(double angle, double sigma, double height, double across = 0, double starPeak = 0)
{
    const double c = std::cos(angle), s = std::sin(angle);
    const double starX = 40 - across * s, starY = 40 + across * c;
    Plane p(kSide, kSide);
    for (int32_t y = 0; y < kSide; ++y)
        for (int32_t x = 0; x < kSide; ++x) {
            const double off = -(x - 40) * s + (y - 40) * c; // distance from the crest
            const double r2 = (x - starX) * (x - starX) + (y - starY) * (y - starY);
            p.v[p.Index(x, y)] = static_cast<float>(6000 + height * std::exp(-0.5 * off * off / (sigma * sigma)) +
                                                    starPeak * std::exp(-0.5 * r2 / (1.5 * 1.5)));
        }
    return p;
}

struct Smoothings {
    Plane smooth, wide, band, axis;
    explicit Smoothings(const Plane& image)
        : smooth(kv::starless::SmoothSigma1(image, 1)), wide(kv::starless::WideSmooth(smooth, 1)), band(smooth),
          axis(kv::starless::AxisContrast(smooth, wide, 1))
    {
        for (std::size_t i = 0; i < band.v.size(); ++i)
            band.v[i] = smooth.v[i] - wide.v[i];
    }
};

class AxisOfAFilament : public ::testing::TestWithParam<int> {};

// On the crest, on the flank and at the foot of a filament the axis runs
// along it, whichever of the axes it follows.
TEST_P(AxisOfAFilament, RunsAlongIt)
{
    const int along = GetParam();
    const double angle = along * std::numbers::pi / kv::starless::kAxes;
    const Smoothings s(Filament(angle, 3.0, 2000));
    for (double across : {0.0, 2.0, -3.5, 6.0}) {
        const int32_t x = static_cast<int32_t>(std::lround(40 - across * std::sin(angle)));
        const int32_t y = static_cast<int32_t>(std::lround(40 + across * std::cos(angle)));
        const kv::starless::Axis axis = kv::starless::AxisAt(s.smooth, s.band, x, y);
        EXPECT_EQ(axis.k, along) << across << " px from the crest";
        EXPECT_LT(axis.least, 0.1 * axis.most) << across << " px from the crest";
    }
}

INSTANTIATE_TEST_SUITE_P(EveryAxis, AxisOfAFilament, ::testing::Range(0, kv::starless::kAxes));

// The filament's crest and flanks leave (nearly) no contrast along its axis;
// a star on its steep flank keeps most of its height there, while the band
// (the star less a wide smoothing that holds the filament's light) shows it
// below the noise of a detection.
TEST(AxisContrast, KeepsAStarOnAFilamentsFlankAndDropsTheFilament)
{
    const double angle = std::numbers::pi / 8; // not along a pixel row
    const Smoothings bare(Filament(angle, 3.0, 2000));
    double worst = 0;
    for (int32_t y = 20; y <= 60; ++y)
        for (int32_t x = 20; x <= 60; ++x)
            worst = std::max(worst, std::abs(double(bare.axis.At(x, y))));
    EXPECT_LT(worst, 0.01 * 2000);

    const Smoothings withStar(Filament(angle, 3.0, 2000, 5.0, 300));
    const double starX = 40 - 5.0 * std::sin(angle), starY = 40 + 5.0 * std::cos(angle);
    const int32_t sx = static_cast<int32_t>(std::lround(starX)), sy = static_cast<int32_t>(std::lround(starY));
    const double smoothPeak = 300 * (1.5 * 1.5) / (1.5 * 1.5 + 1.0); // a Gaussian of sigma 1.5 smoothed with sigma 1
    const double contrast = withStar.axis.At(sx, sy) - bare.axis.At(sx, sy);
    EXPECT_GT(contrast, 0.75 * smoothPeak);
    EXPECT_LT(contrast, 1.05 * smoothPeak);
    EXPECT_LT(withStar.band.At(sx, sy), 0.25 * smoothPeak);
}

// Over independent pixels the contrast's noise is kAxisNoise sigmas.
TEST(AxisContrast, NoiseIsAsStated)
{
    Plane noise(400, 400);
    std::mt19937 random(5);
    std::normal_distribution<float> normal(0.0f, 10.0f);
    for (float& v : noise.v)
        v = 1000 + normal(random);
    const Smoothings s(noise);
    double sum = 0, squares = 0;
    int n = 0;
    for (int32_t y = 10; y < 390; ++y)
        for (int32_t x = 10; x < 390; ++x) {
            const double v = s.axis.At(x, y);
            sum += v;
            squares += v * v;
            ++n;
        }
    const double mean = sum / n;
    EXPECT_NEAR(std::sqrt(squares / n - mean * mean) / 10.0, kv::starless::kAxisNoise, 0.05 * kv::starless::kAxisNoise);
    EXPECT_NEAR(mean, 0.0, 0.05);
}

} // namespace
