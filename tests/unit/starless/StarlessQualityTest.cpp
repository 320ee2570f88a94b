// The star remover on small generated skies, measured against their truth.
// The limits are the goals, a little loosened (visible stars 3 % for a goal
// of 2 %: on 133 stars one more or less is 0.75 %). The stricter count of
// residuals a matched filter could still find has no goal; its limit sits
// just above what the method reaches today, so that a change for the worse
// shows.
#include <gtest/gtest.h>

#include <cmath>

#include "tools/sky/Quality.h"
#include "tools/sky/Sky.h"
#include "tools/starless/StarRemover.h"

namespace {

struct QualityCase {
    const char* name;
    bool color;
    uint64_t seed;
    double detectableLimit; // just above what the method reaches today
};

class StarlessQuality : public ::testing::TestWithParam<QualityCase> {};

TEST_P(StarlessQuality, FiguresHoldOnASmallSky)
{
    const kv::sky::Sky sky = kv::sky::GenerateSky(kv::sky::SkyOptions{400, 300, GetParam().color, GetParam().seed, true});
    std::vector<std::vector<float>> result = sky.image;
    std::vector<float*> planes;
    for (auto& c : result)
        planes.push_back(c.data());
    std::vector<int> seen;
    const auto report = kv::starless::RemoveStars(planes, sky.width, sky.height, [&](int p) { seen.push_back(p); });
    const kv::sky::QualityFigures q = kv::sky::MeasureQuality(sky, result);
    SCOPED_TRACE(kv::sky::FormatQuality(q));

    EXPECT_GT(report.stars, q.stars / 2);
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.front(), 0);
    EXPECT_EQ(seen.back(), 100);
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));

    EXPECT_LE(q.untouchedRms, 0.0006);       // goal 0.05 % of full scale
    EXPECT_EQ(q.holes, 0);                   // goal: none deeper than 5 %
    EXPECT_GT(q.deepestDip, -0.01);
    EXPECT_LE(q.worstObjectChange, 0.06);    // goal 5 % for each object
    EXPECT_LE(std::abs(q.fluxLeft), 0.06);   // goal +-5 %
    EXPECT_LE(q.visibleFraction, 0.03);      // goal 2 %
    // This small sky is mostly nebula, where faint stars on bright filaments
    // and knots are missed.
    EXPECT_LE(q.detectableFraction, GetParam().detectableLimit);
}

INSTANTIATE_TEST_SUITE_P(GreyAndColour, StarlessQuality,
                         ::testing::Values(QualityCase{"Grey", false, 1, 0.06}, QualityCase{"Rgb", true, 1, 0.16}),
                         [](const auto& test) { return std::string(test.param.name); });

struct SpikedSky {
    const char* name;
    kv::sky::SkyOptions options;
};

class SpikesOf : public ::testing::TestWithParam<SpikedSky> {};

// The diffraction spikes of the saturated stars go with them: along each spike,
// beyond the star's disk and as far as the spike stands 3 noise sigmas above
// the sky, little of its light is left.
TEST_P(SpikesOf, AreRemovedWithTheirStars)
{
    const kv::sky::Sky sky = kv::sky::GenerateSky(GetParam().options);
    std::vector<std::vector<float>> result = sky.image;
    std::vector<float*> planes;
    for (auto& c : result)
        planes.push_back(c.data());
    kv::starless::RemoveStars(planes, sky.width, sky.height, {});
    const std::vector<float> image = kv::sky::Luminance(sky.image), truth = kv::sky::Luminance(sky.truth),
                             after = kv::sky::Luminance(result);

    double spikeLight = 0, left = 0;
    int spiked = 0;
    for (const kv::sky::Star& s : sky.stars) {
        if (!s.spikes)
            continue;
        ++spiked;
        const double from = 3 * s.fwhm + 10;
        const double to = s.spikeDecay * std::log(s.spikeAmplitude / (3 * sky.noiseSigma));
        for (int k = 0; k < 4; ++k) {
            const double a = sky.spikeAngle + k * 1.5707963267948966;
            for (double along = from; along <= to; along += 1.0) {
                const long x = std::lround(s.x + along * std::cos(a)), y = std::lround(s.y + along * std::sin(a));
                if (x < 0 || y < 0 || x >= sky.width || y >= sky.height)
                    continue;
                const std::size_t i = static_cast<std::size_t>(y) * static_cast<std::size_t>(sky.width) + static_cast<std::size_t>(x);
                spikeLight += image[i] - truth[i];
                left += after[i] - truth[i];
            }
        }
    }
    ASSERT_GE(spiked, 1);
    ASSERT_GT(spikeLight, 0);
    EXPECT_LT(left / spikeLight, 0.1) << spiked << " stars with spikes; " << left << " of " << spikeLight << " left";
}

INSTANTIATE_TEST_SUITE_P(
    Skies, SpikesOf,
    ::testing::Values(
        // Spikes that cross the nebula and each other.
        SpikedSky{"CrossingSpikes", {2000, 1500, true, 11, true}},
        // Five saturated stars within 60 px of each other: rays from one cross the others.
        SpikedSky{"ACluster", {1000, 800, true, 23, true}},
        // Saturated stars 13 and 43 px from the bottom edge.
        SpikedSky{"StarsByTheEdge", {400, 300, false, 2, true}}),
    [](const auto& test) { return std::string(test.param.name); });

// Nothing to find: an image of sky and noise alone comes back almost as it was.
TEST(StarlessQuality, AStarlessSkyIsLeftAlone)
{
    kv::sky::SkyOptions options{400, 300, false, 8, true};
    kv::sky::Sky sky = kv::sky::GenerateSky(options);
    std::vector<float> plane = sky.truth[0];
    const std::vector<float> before = plane;
    kv::starless::RemoveStars({plane.data()}, 400, 300, {});
    std::size_t changed = 0;
    for (std::size_t i = 0; i < plane.size(); ++i)
        changed += plane[i] != before[i];
    EXPECT_LT(changed, plane.size() / 100) << changed << " of " << plane.size() << " pixels changed";
}

} // namespace
