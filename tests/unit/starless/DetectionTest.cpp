// What the detection takes for a star: compact peaks wherever they stand,
// beside the crest or on the flank of a filament too, and not elongated blobs. Noise-free
// planes with the noise map of a real sky, so the shape tests apply in full.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "tools/starless/Background.h"
#include "tools/starless/Detection.h"
#include "tools/starless/Structure.h"

namespace {

using kv::starless::Plane;

constexpr int32_t kSide = 81;
constexpr double kSky = 6000, kNoise = 30;

double Gaussian(double x, double y, double cx, double cy, double sx, double sy, double peak)
{
    const double u = (x - cx) / sx, v = (y - cy) / sy;
    return peak * std::exp(-0.5 * (u * u + v * v));
}

struct DetectionCase {
    const char* name;
    std::function<double(double, double)> light; // above the sky
    bool star;                                   // a star expected at (40, 40)
};

// What the remover detects on: a noise-free plane of kSky + light, its
// smoothings, and the noise map of a real sky.
struct DetectionPlanes {
    Plane luminance, smooth, band, axis;
    kv::starless::Background background;
    std::vector<const float*> channels;

    explicit DetectionPlanes(const std::function<double(double, double)>& light) : luminance(kSide, kSide)
    {
        for (int32_t y = 0; y < kSide; ++y)
            for (int32_t x = 0; x < kSide; ++x)
                luminance.v[luminance.Index(x, y)] = static_cast<float>(kSky + light(x, y));
        smooth = kv::starless::SmoothSigma1(luminance, 1);
        band = kv::starless::WideSmooth(smooth, 1);
        axis = kv::starless::AxisContrast(smooth, band, 1);
        for (std::size_t i = 0; i < band.v.size(); ++i)
            band.v[i] = smooth.v[i] - band.v[i];
        background.noise = Plane(kSide, kSide, static_cast<float>(kNoise));
        channels = {luminance.v.data()};
    }

    std::vector<kv::starless::StarShape> FindStars(int& candidates) const
    {
        const kv::starless::DetectionInput input{luminance, smooth, band, axis, background, channels, 65000.0f};
        return kv::starless::FindStars(input, 0, 0, kSide, kSide, candidates);
    }
};

class FindStarsTable : public ::testing::TestWithParam<DetectionCase> {};

TEST_P(FindStarsTable, TakesCompactPeaksOnly)
{
    const DetectionCase& c = GetParam();
    int candidates = 0;
    const auto stars = DetectionPlanes(c.light).FindStars(candidates);
    bool found = false;
    for (const auto& s : stars)
        found = found || std::hypot(s.cx - 40, s.cy - 40) < 1.5;
    EXPECT_EQ(found, c.star) << stars.size() << " stars of " << candidates << " peaks";
}

// A star of FWHM 3.5 px (sigma 1.5), from 15 noise sigmas of the smoothed
// luminance on, must also pass the tests of roundness.
double Star(double x, double y, double peak) { return Gaussian(x, y, 40, 40, 1.5, 1.5, peak); }
// A filament running down the image, Gaussian across.
double Filament(double x, double crest, double sigma, double height)
{
    return height * std::exp(-0.5 * (x - crest) * (x - crest) / (sigma * sigma));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FindStarsTable,
    ::testing::Values(
        DetectionCase{"StarOnDarkSky", [](double x, double y) { return Star(x, y, 1300); }, true},
        DetectionCase{"StarOnASlope", [](double x, double y) { return Star(x, y, 1300) + 12.0 * x; }, true},
        // Beside the crest of a narrow filament: across it the profile falls
        // on, down the far flank, well past the star's own light; measured
        // above the sky the star looks long, above the filament it is round.
        DetectionCase{"StarBesideAFilamentsCrest",
                      [](double x, double y) { return Star(x, y, 600) + Filament(x, 42, 3, 800); }, true},
        DetectionCase{"BrightStarNearAFilamentsCrest",
                      [](double x, double y) { return Star(x, y, 1000) + Filament(x, 41, 2.5, 1200); }, true},
        // On the flank of a knot of nebula (Gaussian, sigma 10, 1500 high, 6 px
        // away) the profile falls with the knot: measured above the sky the
        // star is as wide as the knot; above the knot's surface it is a star.
        DetectionCase{"StarOnTheFlankOfAKnot",
                      [](double x, double y) { return Star(x, y, 500) + Gaussian(x, y, 46, 42, 10, 10, 1500); }, true},
        // On the flank of a wide filament (sigma 8, 6 px from the crest): the
        // profile falls with the flank on one side only, so the star looks
        // long; above the surface around it, it is round.
        DetectionCase{"StarOnTheFlankOfAWideFilament",
                      [](double x, double y) { return Star(x, y, 400) + Filament(x, 46, 8, 800); }, true},
        // On the steep flank of a bright, narrow filament (2000 high, sigma 3,
        // the star 5 px from its crest): the filament's light in the wide
        // smoothing takes the star out of the band, and around it the flank
        // is no quadratic surface; along the filament's axis it is a star.
        DetectionCase{"FaintStarOnASteepFlank",
                      [](double x, double y) { return Star(x, y, 300) + Filament(x, 45, 3, 2000); }, true},
        DetectionCase{"SteepFlankAlone", [](double x, double) { return Filament(x, 45, 3, 2000); }, false},
        // On a filament's crest: across it the star falls with the flanks on
        // both sides, as a galaxy would (or it looks long, or its level lies
        // far below); along the crest it is a star.
        DetectionCase{"StarOnANarrowFilamentsCrest",
                      [](double x, double y) { return Star(x, y, 600) + Filament(x, 40, 3, 2000); }, true},
        DetectionCase{"BrightStarOnAWideFilamentsCrest",
                      [](double x, double y) { return Star(x, y, 1500) + Filament(x, 40, 6, 4000); }, true},
        DetectionCase{"StarJustOffABrightFilamentsCrest",
                      [](double x, double y) { return Star(x, y, 1500) + Filament(x, 42, 4, 4000); }, true},
        // The core of a small galaxy (exponential, scale 6 px) also stands above
        // the surface around it, but that surface is a dome with its top
        // under the core.
        DetectionCase{"CoreOfASmallGalaxy",
                      [](double x, double y) {
                          const double dx = x - 40.3, dy = (y - 39.6) / 0.9;
                          return 800 * std::exp(-std::sqrt(dx * dx + dy * dy + 1.44) / 6.0);
                      },
                      false},
        // Three times as long as wide: a galaxy seen edge-on, or a knot of a
        // filament, not a star; nor beside a filament.
        DetectionCase{"ElongatedBlob", [](double x, double y) { return Gaussian(x, y, 40, 40, 5, 1.5, 1300); }, false},
        DetectionCase{"ElongatedBlobBesideAFilament",
                      [](double x, double y) { return Gaussian(x, y, 40, 40, 1.5, 5, 600) + Filament(x, 42, 3, 800); },
                      false}),
    [](const auto& test) { return std::string(test.param.name); });

// A small galaxy (exponential, scale 3.3 px, axis ratio 0.8): its core
// measures wider than a star and is dropped by width, and nothing beside it
// passes for a star (around the core the contours curve within a star's
// width: no filament for a star to hide on).
TEST(FindStars, TakesNothingOfASmallGalaxyThatItsWidthWouldNotDrop)
{
    const DetectionPlanes galaxy([](double x, double y) {
        const double dx = x - 40.2, dy = (y - 39.7) / 0.8;
        return 1400 * std::exp(-std::sqrt(dx * dx + dy * dy) / 3.3);
    });
    int candidates = 0;
    auto stars = galaxy.FindStars(candidates);
    float typical = 4.2f; // the stars' own width on a sky like the generator's
    std::vector<kv::starless::Position> refused;
    kv::starless::JudgeWidths(stars, typical, refused);
    for (const auto& s : stars)
        ADD_FAILURE() << "taken: (" << s.x << ", " << s.y << "), FWHM " << s.fwhm << (s.axis >= 0 ? " along an axis" : "");
}

// A bright star near the top of a dome of nebula (Gaussian, sigma 9, as high
// as the star, its top 3 px away): two widths out the dome still stands above
// what the points farther out foretell, on both sides of most axes, as a
// galaxy's wings would, and the dome is no surface a star stands out of. As
// narrow as the stars' own width it is one, and kept.
TEST(FindStars, KeepsAStarOnADomeAsNarrowAsTheStars)
{
    const DetectionPlanes dome([](double x, double y) { return Star(x, y, 1500) + Gaussian(x, y, 43, 40, 9, 9, 1500); });
    int candidates = 0;
    auto stars = dome.FindStars(candidates);
    float typical = 4.2f;
    std::vector<kv::starless::Position> refused;
    kv::starless::JudgeWidths(stars, typical, refused);
    ASSERT_EQ(stars.size(), 1u) << candidates << " peaks";
    EXPECT_LT(std::hypot(stars[0].cx - 40, stars[0].cy - 40), 1.5);
    EXPECT_TRUE(stars[0].winged);
}

kv::starless::StarShape Measured(int32_t x, int32_t y, float fwhm, bool doubtful = false)
{
    kv::starless::StarShape s;
    s.x = x;
    s.y = y;
    s.cx = x;
    s.cy = y;
    s.fwhm = fwhm;
    s.doubtful = doubtful;
    s.significance = 50;
    return s;
}

// Widths against the stars' own: wider than 1.5 times theirs (1.25 times
// for a doubtful peak, 1.05 times for a winged one) is a galaxy's core or a
// knot; where a round dropped
// one, a later round drops what it finds there even when it now measures
// narrower (its edge filled by the first round), and nothing else.
TEST(JudgeWidths, DropsTheWideAndLaterWhatStandsWhereTheyWere)
{
    std::vector<kv::starless::StarShape> first;
    for (int32_t k = 0; k < 12; ++k)
        first.push_back(Measured(10 * k, 5, 4.0f));
    first.push_back(Measured(200, 100, 6.5f));       // too wide
    first.push_back(Measured(300, 100, 5.5f, true)); // doubtful and wider than 1.25 times
    first.push_back(Measured(400, 100, 5.5f));       // wide, but a star
    first.push_back(Measured(500, 100, 4.1f, true));  // winged, as narrow as the stars
    first.back().winged = true;
    first.push_back(Measured(600, 100, 4.5f, true));  // winged and wider: a galaxy's core
    first.back().winged = true;
    float typical = 0;
    std::vector<kv::starless::Position> refused;
    kv::starless::JudgeWidths(first, typical, refused);
    EXPECT_FLOAT_EQ(typical, 4.0f);
    ASSERT_EQ(first.size(), 14u);
    EXPECT_EQ(first[12].x, 400);
    EXPECT_EQ(first[13].x, 500);
    ASSERT_EQ(refused.size(), 3u);

    std::vector<kv::starless::StarShape> second{Measured(201, 98, 5.9f), Measured(300, 100, 4.0f),
                                                Measured(204, 100, 4.0f), Measured(296, 103, 4.0f)};
    kv::starless::JudgeWidths(second, typical, refused);
    ASSERT_EQ(second.size(), 2u);
    EXPECT_EQ(second[0].x, 204);
    EXPECT_EQ(second[1].x, 296);
    EXPECT_FLOAT_EQ(typical, 4.0f);
}

} // namespace
