// Subtracting a bright star's wings as a measured profile: the wings go, what
// lies beneath them stays. Noise-free planes, so that the limits are tight.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "tools/starless/Wings.h"

namespace {

constexpr int32_t kSide = 121;
constexpr double kSky = 6000;
constexpr double kStarX = 60.3, kStarY = 59.6;

double MoffatStar(double x, double y, double peak)
{
    const double alpha = 4.0 / (2 * std::sqrt(std::pow(2.0, 1.0 / 3.0) - 1)); // FWHM 4, beta 3
    const double r2 = ((x - kStarX) * (x - kStarX) + (y - kStarY) * (y - kStarY)) / (alpha * alpha);
    return peak * std::pow(1 + r2, -3.0);
}

struct WingsCase {
    const char* name;
    double starPeak;
    std::function<double(double, double)> beneath; // what the star stands on, above the sky
    double tolerance;                              // largest |error| allowed from checkedFrom out
    double checkedFrom = 7;                        // inside, the core is masked and filled afterwards
};

class SubtractWingsTable : public ::testing::TestWithParam<WingsCase> {};

TEST_P(SubtractWingsTable, TakesTheWingsAndKeepsWhatLiesBeneath)
{
    const WingsCase& c = GetParam();
    std::vector<float> plane(kSide * kSide);
    for (int32_t y = 0; y < kSide; ++y)
        for (int32_t x = 0; x < kSide; ++x)
            plane[static_cast<std::size_t>(y) * kSide + x] =
                static_cast<float>(kSky + c.beneath(x, y) + MoffatStar(x, y, c.starPeak));

    kv::starless::StarShape star;
    star.x = 60;
    star.y = 60;
    star.cx = kStarX;
    star.cy = kStarY;
    star.peak = static_cast<float>(0.7 * c.starPeak); // as the detection sees it, smoothed
    star.fwhm = 4.6f;
    star.wingRadius = 35;
    kv::starless::SubtractWings(plane.data(), kSide, kSide, {star});

    double worst = 0;
    for (int32_t y = 0; y < kSide; ++y)
        for (int32_t x = 0; x < kSide; ++x) {
            const double d = std::hypot(x - kStarX, y - kStarY);
            if (d < c.checkedFrom)
                continue;
            const double expected = kSky + c.beneath(x, y);
            worst = std::max(worst, std::abs(plane[static_cast<std::size_t>(y) * kSide + x] - expected));
        }
    EXPECT_LE(worst, c.tolerance);
}

const double kFlat = 0;

INSTANTIATE_TEST_SUITE_P(
    Cases, SubtractWingsTable,
    ::testing::Values(
        // Light at the core's edge is about 150; the profile takes nearly all of it.
        WingsCase{"StarOnFlatSky", 10000, [](double, double) { return kFlat; }, 6.0},
        // A filament crossing the wings: each ring holds little of it, so the
        // ring medians do not see it and it stays.
        WingsCase{"FilamentAcrossTheWings", 10000,
                  [](double x, double) { return 800 * std::exp(-(x - 75) * (x - 75) / (2 * 3.0 * 3.0)); }, 10.0},
        // A galaxy beside the star: it lifts the medians of the inner rings a
        // little (about 5 % of its peak at worst); its bright core, which
        // fills the rings at its own distance, stands far above a star's
        // profile there and is not taken.
        WingsCase{"GalaxyBesideTheStar", 3000,
                  [](double x, double y) { return 1500 * std::exp(-std::hypot(x - 74, y - 60) / 5.0); }, 80.0},
        // A star on a galaxy's core: every ring sees the galaxy, which falls
        // off slowly. Near the star some of it goes with the wings; farther
        // out no star's profile stands that high, and the galaxy stays.
        WingsCase{"StarOnAGalaxy", 10000,
                  [](double x, double y) { return 1000 * std::exp(-std::hypot(x - kStarX, y - kStarY) / 12.0); }, 45.0,
                  14.0},
        // A gradient of the sky is the same on either side of each ring.
        WingsCase{"StarOnAGradient", 10000, [](double x, double y) { return 3.0 * x + 1.5 * y; }, 6.0},
        // In a bowl of nebula the rings' medians climb with their radius: the
        // level rings beyond the wings stand some 500 above the sky under the
        // star. Measured against one level the wings would vanish below it;
        // against the surface through those rings they are the star's own.
        WingsCase{"StarInABowl", 10000,
                  [](double x, double y) { return 0.3 * ((x - kStarX) * (x - kStarX) + (y - kStarY) * (y - kStarY)); }, 6.0},
        // A knot of nebula among the level rings (sigma 4, 3000 high) is left
        // out of the surface; fitted with it, the surface would take the
        // wings with it.
        WingsCase{"StarInABowlWithAKnotBeyondItsWings", 10000,
                  [](double x, double y) {
                      return 0.3 * ((x - kStarX) * (x - kStarX) + (y - kStarY) * (y - kStarY)) +
                             3000 * std::exp(-0.5 * ((x - 100) * (x - 100) + (y - 62) * (y - 62)) / 16.0);
                  },
                  8.0, 7.0}),
    [](const auto& test) { return std::string(test.param.name); });

// Stars without a wing radius are left to the mask.
TEST(SubtractWings, LeavesStarsWithoutWingsAlone)
{
    std::vector<float> plane(kSide * kSide);
    for (std::size_t i = 0; i < plane.size(); ++i)
        plane[i] = static_cast<float>(kSky + MoffatStar(static_cast<double>(i % kSide), static_cast<double>(i / kSide), 5000));
    const std::vector<float> before = plane;
    kv::starless::StarShape star;
    star.cx = kStarX;
    star.cy = kStarY;
    star.peak = 3500;
    star.fwhm = 4.6f;
    kv::starless::SubtractWings(plane.data(), kSide, kSide, {star});
    EXPECT_EQ(plane, before);
}

} // namespace
