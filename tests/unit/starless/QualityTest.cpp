// The quality measure itself, on a hand-made sky: flat sky and noise, three
// Gaussian stars of one width at 13, 2.7 and 1.3 noise sigmas. Left in place,
// the first stands out to the eye (visible); the second only to a matched
// filter (detectable); the third to neither.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "tools/sky/Quality.h"
#include "tools/sky/Sky.h"

namespace {

constexpr int32_t kWidth = 160, kHeight = 120;
constexpr double kSky = 6000, kNoise = 30, kFwhm = 3.5;
constexpr double kPeaks[] = {400, 80, 40};

kv::sky::Star GaussianStar(double x, double y, double peak)
{
    kv::sky::Star s;
    const double sigma = kFwhm / 2.354820045;
    s.x = x;
    s.y = y;
    s.peak = peak;
    s.fwhm = kFwhm;
    s.flux = 2 * 3.14159265358979 * sigma * sigma * peak;
    s.extent = sigma * std::sqrt(2 * std::log(peak / 0.5));
    return s;
}

double Light(const kv::sky::Star& s, int32_t x, int32_t y)
{
    const double sigma = s.fwhm / 2.354820045, dx = x - s.x, dy = y - s.y;
    return s.peak * std::exp(-(dx * dx + dy * dy) / (2 * sigma * sigma));
}

struct HandMadeSky {
    kv::sky::Sky sky;
    HandMadeSky()
    {
        sky.width = kWidth;
        sky.height = kHeight;
        sky.noiseSigma = kNoise;
        std::mt19937 random(7);
        std::normal_distribution<double> noise(0, kNoise);
        std::vector<float> truth(static_cast<std::size_t>(kWidth) * kHeight);
        for (float& v : truth)
            v = static_cast<float>(kSky + noise(random));
        for (int k = 0; k < 3; ++k)
            sky.stars.push_back(GaussianStar(40.3 + 40 * k, 60.6, kPeaks[k]));
        sky.truth = {truth};
        sky.image = {WithStars({true, true, true})};
    }
    // The truth with the chosen stars put back.
    std::vector<float> WithStars(const std::vector<bool>& which) const
    {
        std::vector<float> plane = sky.truth[0];
        for (std::size_t k = 0; k < sky.stars.size(); ++k)
            if (which[k])
                for (int32_t y = 0; y < kHeight; ++y)
                    for (int32_t x = 0; x < kWidth; ++x)
                        plane[static_cast<std::size_t>(y) * kWidth + x] += static_cast<float>(Light(sky.stars[k], x, y));
        return plane;
    }
};

struct LeftCase {
    const char* name;
    std::vector<bool> left; // the stars the result still holds
    int visible, detectable;
};

class QualityOfAResult : public ::testing::TestWithParam<LeftCase> {};

TEST_P(QualityOfAResult, CountsTheStarsLeftByHowFarTheyStandOut)
{
    const HandMadeSky made;
    const LeftCase& c = GetParam();
    const kv::sky::QualityFigures q = kv::sky::MeasureQuality(made.sky, {made.WithStars(c.left)});
    EXPECT_EQ(q.stars, 3);
    EXPECT_EQ(q.visible, c.visible);
    EXPECT_EQ(q.detectable, c.detectable);
    if (c.visible > 0) {
        ASSERT_EQ(q.visibleStars.size(), 1u);
        EXPECT_EQ(q.visibleStars[0], 0);
    }
    // The light left over the apertures against the stars' own.
    double left = 0, all = 0;
    for (std::size_t k = 0; k < 3; ++k) {
        all += made.sky.stars[k].flux;
        left += c.left[k] ? made.sky.stars[k].flux : 0;
    }
    EXPECT_NEAR(q.fluxLeft, left / all, 0.01);
    EXPECT_EQ(q.holes, 0);
    EXPECT_DOUBLE_EQ(q.untouchedRms, 0.0);
}

INSTANTIATE_TEST_SUITE_P(Cases, QualityOfAResult,
                         ::testing::Values(LeftCase{"AllRemoved", {false, false, false}, 0, 0},
                                           LeftCase{"AllLeft", {true, true, true}, 1, 2},
                                           LeftCase{"TheBrightOneRemoved", {false, true, true}, 0, 1},
                                           LeftCase{"OnlyTheBrightOneLeft", {true, false, false}, 1, 1}),
                         [](const auto& test) { return std::string(test.param.name); });

// A fill that sinks below the sky where the bright star was: a hole, deeper
// than 5 % of full scale once smoothed.
TEST(QualityOfAResult, FindsAHoleOnDarkSky)
{
    const HandMadeSky made;
    std::vector<float> result = made.sky.truth[0];
    const kv::sky::Star& s = made.sky.stars[0];
    for (int32_t y = 55; y <= 66; ++y)
        for (int32_t x = 35; x <= 46; ++x)
            result[static_cast<std::size_t>(y) * kWidth + x] -= 0.1f * kv::sky::kFullScale;
    const kv::sky::QualityFigures q = kv::sky::MeasureQuality(made.sky, {result});
    EXPECT_EQ(q.darkStars, 3);
    EXPECT_EQ(q.holes, 1) << "around (" << s.x << ", " << s.y << ")";
    EXPECT_LT(q.deepestDip, -0.05);
    EXPECT_EQ(q.visible, 0);
}

} // namespace
