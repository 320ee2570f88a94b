// Masked pixels as holes with a ring of known pixels, and the fill of a hole
// with a surface fitted to its ring: exact where the sky around is a smooth
// curved surface, left to the smooth continuation where it is not.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <set>
#include <vector>

#include "tools/starless/Holes.h"
#include "tools/starless/Inpaint.h"
#include "tools/starless/Structure.h"
#include "tools/starless/Surface.h"

namespace {

using kv::starless::FillWithSurface;
using kv::starless::FindHoles;
using kv::starless::Hole;

constexpr int32_t kSide = 41;

std::vector<std::size_t> MaskedOf(const std::vector<uint8_t>& mask)
{
    std::vector<std::size_t> masked;
    for (std::size_t i = 0; i < mask.size(); ++i)
        if (mask[i])
            masked.push_back(i);
    return masked;
}

void MaskDisk(std::vector<uint8_t>& mask, int32_t width, double cx, double cy, double r)
{
    for (std::size_t i = 0; i < mask.size(); ++i)
        if (std::hypot(static_cast<double>(i % width) - cx, static_cast<double>(i / width) - cy) <= r)
            mask[i] = 1;
}

TEST(FindHoles, GroupsTheMaskedPixelsAndRingsThemWithKnownOnes)
{
    std::vector<uint8_t> mask(kSide * kSide, 0);
    MaskDisk(mask, kSide, 10, 10, 3);       // 29 pixels
    MaskDisk(mask, kSide, 30, 28, 6);       // 113 pixels: beyond the limit below
    mask[static_cast<std::size_t>(20) * kSide + 40] = 1; // one pixel on the right edge
    const auto holes = FindHoles(mask, MaskedOf(mask), kSide, kSide, 100, 2);

    ASSERT_EQ(holes.size(), 2u);
    EXPECT_EQ(holes[0].pixels.size(), 29u);
    EXPECT_NEAR(holes[0].cx, 10.0, 1e-9);
    EXPECT_NEAR(holes[0].cy, 10.0, 1e-9);
    EXPECT_EQ(holes[1].pixels.size(), 1u);
    for (const Hole& hole : holes) {
        const std::set<std::size_t> unique(hole.ring.begin(), hole.ring.end());
        EXPECT_EQ(unique.size(), hole.ring.size()) << "a ring pixel twice";
        for (std::size_t j : hole.ring) {
            EXPECT_FALSE(mask[j]);
            // Within two pixels (chessboard) of the hole.
            const auto near = std::any_of(hole.pixels.begin(), hole.pixels.end(), [&](std::size_t i) {
                return std::abs(static_cast<int32_t>(i % kSide) - static_cast<int32_t>(j % kSide)) <= 2 &&
                       std::abs(static_cast<int32_t>(i / kSide) - static_cast<int32_t>(j / kSide)) <= 2;
            });
            EXPECT_TRUE(near) << j;
        }
    }
    // The edge pixel's ring stops at the edge: 5 x 3 around it, itself not.
    EXPECT_EQ(holes[1].ring.size(), 14u);
}

struct SurfaceCase {
    const char* name;
    std::function<double(double, double)> sky;
    bool fitted;       // whether the surface is taken
    double tolerance;  // largest |filled - sky| in the hole, when fitted
};

class FillWithSurfaceTable : public ::testing::TestWithParam<SurfaceCase> {};

TEST_P(FillWithSurfaceTable, TakesTheSurfaceOnlyWhereItFollowsTheRing)
{
    const SurfaceCase& c = GetParam();
    std::vector<float> plane(kSide * kSide);
    for (std::size_t i = 0; i < plane.size(); ++i)
        plane[i] = static_cast<float>(c.sky(static_cast<double>(i % kSide), static_cast<double>(i / kSide)));
    std::vector<uint8_t> mask(plane.size(), 0);
    MaskDisk(mask, kSide, 20, 20, 5);
    const auto holes = FindHoles(mask, MaskedOf(mask), kSide, kSide, 2000, 4);
    ASSERT_EQ(holes.size(), 1u);
    std::vector<float> filled = plane;
    for (std::size_t i : holes[0].pixels)
        filled[i] = -1; // what a fill that did nothing would leave
    const double sigma = 20.0; // the noise of a real sky
    EXPECT_EQ(FillWithSurface(filled.data(), kSide, holes[0], kv::starless::kSurfaceFit * sigma), c.fitted);
    if (!c.fitted) {
        for (std::size_t i : holes[0].pixels)
            EXPECT_EQ(filled[i], -1.0f);
        return;
    }
    double worst = 0;
    for (std::size_t i : holes[0].pixels)
        worst = std::max(worst, std::abs(double(filled[i]) - plane[i]));
    EXPECT_LE(worst, c.tolerance);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FillWithSurfaceTable,
    ::testing::Values(
        // A bowl and a saddle are quadratic: the fit is exact.
        SurfaceCase{"Bowl", [](double x, double y) { return 6000 + 2.0 * ((x - 21) * (x - 21) + (y - 19) * (y - 19)); }, true, 0.05},
        SurfaceCase{"Saddle", [](double x, double y) { return 6000 + 1.5 * (x - 20) * (y - 22) + 4 * x; }, true, 0.05},
        // The flank of a filament (Gaussian, sigma 6, 800 high, 12 px away):
        // curved and not quite quadratic, but within about one noise sigma (a
        // smooth continuation would lie about 55 above it at the centre).
        SurfaceCase{"FilamentFlank", [](double x, double) { return 6000 + 800 * std::exp(-(x - 32) * (x - 32) / 72.0); }, true, 25.0},
        // An edge through the hole is no surface: the ring departs from any
        // quadratic by far more than the noise.
        SurfaceCase{"Edge", [](double x, double) { return x < 20 ? 6000.0 : 6400.0; }, false, 0}),
    [](const auto& test) { return std::string(test.param.name); });

// A 61 x 61 sky with a star masked in a disk of radius 5 at its centre.
struct MaskedStar {
    static constexpr int32_t kW = 61;
    std::vector<float> truth, plane;
    std::vector<uint8_t> mask;
    std::vector<std::size_t> masked;

    explicit MaskedStar(const std::function<double(double, double)>& sky) : truth(kW * kW), mask(kW * kW, 0)
    {
        for (std::size_t i = 0; i < truth.size(); ++i)
            truth[i] = static_cast<float>(sky(static_cast<double>(i % kW), static_cast<double>(i / kW)));
        plane = truth;
        MaskDisk(mask, kW, 30, 30, 5);
        masked = MaskedOf(mask);
        for (std::size_t i : masked)
            plane[i] = 60000; // the star
    }
};

// Through Inpaint: on a bowl the smooth continuation (Laplace's solution)
// lies above the sky by its Laplacian * r^2 / 4 at the centre (here 8 * 25 / 4
// = 50); the fitted surface does not.
TEST(Inpaint, KeepsTheCurvatureOfTheSkyAroundASmallHole)
{
    constexpr int32_t kW = MaskedStar::kW;
    const MaskedStar star([](double x, double y) { return 6000 + 2.0 * ((x - 30) * (x - 30) + (y - 30) * (y - 30)); });
    const auto& [truth, plane, mask, masked] = star;
    const kv::starless::Plane noise(kW, kW, 1.0f);

    std::vector<float> smooth = plane, fitted = plane;
    kv::starless::Inpaint(smooth.data(), kW, kW, mask, masked, {}, noise, 1.0f, 7);
    kv::starless::Inpaint(fitted.data(), kW, kW, mask, masked, FindHoles(mask, masked, kW, kW, 2000, 4), noise, 1.0f, 7);

    const std::size_t centre = static_cast<std::size_t>(30) * kW + 30;
    EXPECT_GT(smooth[centre] - truth[centre], 30.0f) << "the smooth continuation was expected to flatten the bowl";
    double worst = 0;
    for (std::size_t i : masked)
        worst = std::max(worst, std::abs(double(fitted[i]) - truth[i]));
    EXPECT_LE(worst, 6.0); // the added noise of sigma 1 only
}

// A star found along a filament's axis: its hole, on the filament's crest,
// filled along that axis keeps the crest; the surface and the smooth
// continuation flatten it. The filament is tilted, so the walks along the
// axis cross pixel rows.
TEST(Inpaint, FillsAlongTheAxisAcrossAFilamentsCrest)
{
    constexpr int32_t kW = MaskedStar::kW;
    const int along = 3; // 67.5 degrees
    double c = 0, s = 0;
    kv::starless::AxisVector(along, c, s);
    const MaskedStar star([&](double x, double y) {
        const double off = -(x - 30) * s + (y - 30) * c;
        return 6000 + 2000 * std::exp(-0.5 * off * off / (3.0 * 3.0)) + 2.0 * x;
    });
    const auto& [truth, plane, mask, masked] = star;
    std::vector<uint8_t> alongAxis = mask;
    for (std::size_t i : masked)
        alongAxis[i] = static_cast<uint8_t>(kv::starless::kMaskAlongAxis + along);
    const kv::starless::Plane noise(kW, kW, 1.0f);
    const auto holes = FindHoles(mask, masked, kW, kW, 2000, 4);

    std::vector<float> continued = plane, filled = plane;
    kv::starless::Inpaint(continued.data(), kW, kW, mask, masked, holes, noise, 1.0f, 7);
    kv::starless::Inpaint(filled.data(), kW, kW, alongAxis, masked, holes, noise, 1.0f, 7);

    const auto worst = [&](const std::vector<float>& result) {
        double w = 0;
        for (std::size_t i : masked)
            w = std::max(w, std::abs(double(result[i]) - truth[i]));
        return w;
    };
    EXPECT_GT(worst(continued), 300.0) << "the crest was expected to sag without the axis";
    EXPECT_LE(worst(filled), 25.0); // bilinear samples of the curved crest, and the added noise
    for (std::size_t i = 0; i < mask.size(); ++i) {
        if (!mask[i]) {
            ASSERT_EQ(filled[i], plane[i]) << "a known pixel changed";
        }
    }
}

} // namespace

namespace {

// The top of a fitted surface: where a dome peaks, and none for a saddle, a
// bowl or a plane.
struct TopCase {
    const char* name;
    std::function<double(double, double)> surface;
    bool dome;
    double topX = 0, topY = 0;
};

class SurfaceTopTable : public ::testing::TestWithParam<TopCase> {};

TEST_P(SurfaceTopTable, IsFoundOnDomesOnly)
{
    const TopCase& c = GetParam();
    std::vector<kv::starless::SurfaceSample> samples;
    for (int y = -6; y <= 6; ++y)
        for (int x = -6; x <= 6; ++x)
            samples.push_back({double(x), double(y), c.surface(x, y)});
    kv::starless::QuadraticSurface s;
    ASSERT_TRUE(kv::starless::FitQuadratic(0.5, -1.0, samples, s));
    EXPECT_LT(s.rms, 1e-6);
    EXPECT_NEAR(s.At(3, 2), c.surface(3, 2), 1e-6);
    double x = 0, y = 0;
    ASSERT_EQ(s.Top(x, y), c.dome);
    if (c.dome) {
        EXPECT_NEAR(x, c.topX, 1e-6);
        EXPECT_NEAR(y, c.topY, 1e-6);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SurfaceTopTable,
    ::testing::Values(
        TopCase{"TiltedDome", [](double x, double y) { return 900 - 3 * (x - 2) * (x - 2) - (x - 2) * (y + 1) - 2 * (y + 1) * (y + 1); }, true, 2, -1},
        TopCase{"Saddle", [](double x, double y) { return 900 - 3 * x * x + 2 * y * y; }, false},
        TopCase{"Bowl", [](double x, double y) { return 900 + x * x + y * y; }, false},
        TopCase{"Plane", [](double x, double y) { return 900 + 4 * x - y; }, false}),
    [](const auto& test) { return std::string(test.param.name); });

// Too few samples, or all on one line, pin no surface down.
TEST(FitQuadratic, RefusesWhatDoesNotPinTheSurfaceDown)
{
    std::vector<kv::starless::SurfaceSample> line, few;
    for (int i = 0; i < 40; ++i)
        line.push_back({double(i), 2.0 * i, 100.0 + i});
    for (int i = 0; i < 23; ++i)
        few.push_back({double(i % 5), double(i / 5), 100.0});
    kv::starless::QuadraticSurface s;
    EXPECT_FALSE(kv::starless::FitQuadratic(0, 0, line, s));
    EXPECT_FALSE(kv::starless::FitQuadratic(0, 0, few, s));
}

} // namespace
