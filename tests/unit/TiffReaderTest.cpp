// LoadTiffPlanes on files from WriteTiff16: natively through the linked
// FreeImage, under Wine through the run-time binding (and the test bridge).
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "image/uImage.h"
#include "support/Files.h"
#include "support/TempFolder.h"

namespace {

constexpr float kSentinel = -12345.5f;
constexpr float k8Bit = 1.0f / 256.0f;

using Plane = std::vector<float>;

Plane Filled(std::size_t n, float v = kSentinel) { return Plane(n, v); }

// Distinct values per plane, row and column, so that swapped channels,
// mirrored rows and a skipped or missed row padding all show.
Plane Pattern(int32_t width, int32_t height, float base, float limit)
{
    Plane p(static_cast<std::size_t>(width) * height);
    for (std::size_t i = 0; i < p.size(); ++i)
        p[i] = static_cast<float>((static_cast<int>(base) + 7 * static_cast<int>(i)) % static_cast<int>(limit));
    return p;
}

struct RoundTrip {
    int32_t width, height;
    bool colour;
    float writeFactor, readFactor;
};

std::string Name(const testing::TestParamInfo<RoundTrip>& info)
{
    const RoundTrip& r = info.param;
    return std::string(r.colour ? "Colour" : "Grey") + std::to_string(r.width) + "x" + std::to_string(r.height) +
           (r.writeFactor == 1.0f ? "Factor1" : "EightBit");
}

class ReaderRoundTrip : public testing::TestWithParam<RoundTrip> {
protected:
    kv::test::TempFolder folder_;
};

TEST_P(ReaderRoundTrip, EveryValueComesBackInItsOwnRowAndColumn)
{
    const RoundTrip r = GetParam();
    const float limit = r.writeFactor == 1.0f ? 65536.0f : 256.0f; // values the sample range can hold
    const Plane green = Pattern(r.width, r.height, 1, limit), red = Pattern(r.width, r.height, 100, limit),
                blue = Pattern(r.width, r.height, 200, limit);
    const std::u16string file = folder_.File("round.tif");
    ASSERT_TRUE(WriteTiff16(green.data(), red.data(), blue.data(), r.writeFactor, r.width, r.height, r.colour, file));

    const std::size_t n = green.size();
    Plane p1 = Filled(n), p2 = Filled(n), p3 = Filled(n);
    ASSERT_TRUE(LoadTiffPlanes(file, p1.data(), p2.data(), p3.data(), r.readFactor, static_cast<int32_t>(n)));
    EXPECT_EQ(p1, green);
    EXPECT_EQ(p2, r.colour ? red : Filled(n));  // a grey file touches plane1 only
    EXPECT_EQ(p3, r.colour ? blue : Filled(n));
}

std::vector<RoundTrip> RoundTrips()
{
    std::vector<RoundTrip> cases;
    for (bool colour : {false, true})
        for (int32_t width = 1; width <= 5; ++width) // every amount of row padding
            for (float factor : {1.0f, 256.0f})
                cases.push_back({width, 3, colour, factor, factor == 1.0f ? 1.0f : k8Bit});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Widths, ReaderRoundTrip, testing::ValuesIn(RoundTrips()), Name);

class Reader : public testing::Test {
protected:
    // A 1-pixel grey file holding the given sample.
    std::u16string GreySample(float sample)
    {
        const std::u16string file = folder_.File("sample.tif");
        EXPECT_TRUE(WriteTiff16(&sample, nullptr, nullptr, 1.0f, 1, 1, false, file));
        return file;
    }

    kv::test::TempFolder folder_;
};

TEST_F(Reader, SamplesAreScaledAndRoundedHalvesToEvenWithoutClamping)
{
    struct Case {
        float sample, factor, expected;
    };
    const Case cases[] = {
        {51200, k8Bit, 200.0f}, // 200 written as 8-bit data
        {65535, k8Bit, 256.0f}, // 255.996 rounds up past 255: no clamping
        {128, k8Bit, 0.0f},     // 0.5 -> 0
        {384, k8Bit, 2.0f},     // 1.5 -> 2
        {640, k8Bit, 2.0f},     // 2.5 -> 2
        {896, k8Bit, 4.0f},     // 3.5 -> 4
        {0, 1.0f, 0.0f},
        {65535, 1.0f, 65535.0f},
        {3, 0.5f, 2.0f}, // 1.5 -> 2
        {5, 0.5f, 2.0f}, // 2.5 -> 2
        // 2049/4096 has too many significant bits for the single-precision path
        {2048, 0.500244140625f, 1024.0f}, // 1024.5 -> 1024
        {6144, 0.500244140625f, 3074.0f}, // 3073.5 -> 3074
    };
    for (const Case& c : cases) {
        float p1 = kSentinel, p2 = kSentinel, p3 = kSentinel;
        ASSERT_TRUE(LoadTiffPlanes(GreySample(c.sample), &p1, &p2, &p3, c.factor, 1)) << c.sample;
        EXPECT_EQ(p1, c.expected) << "sample " << c.sample << " factor " << c.factor;
        EXPECT_EQ(p2, kSentinel);
        EXPECT_EQ(p3, kSentinel);
    }
}

TEST_F(Reader, GreyHostReceivesTheMeanOfAColourFile)
{
    // 2 x 1 pixels; the writer stores planeB (red), planeA (green), planeC (blue).
    const Plane green = {20, 640}, red = {10, 640}, blue = {40, 640};
    const std::u16string file = folder_.File("colour.tif");
    ASSERT_TRUE(WriteTiff16(green.data(), red.data(), blue.data(), 1.0f, 2, 1, true, file));

    Plane grey = Filled(2);
    ASSERT_TRUE(LoadTiffPlanes(file, grey.data(), grey.data(), grey.data(), 1.0f, 2));
    EXPECT_EQ(grey, (Plane{23.0f, 640.0f})); // 70 / 3 = 23.33

    grey = Filled(2);
    ASSERT_TRUE(LoadTiffPlanes(file, grey.data(), grey.data(), grey.data(), k8Bit, 2));
    EXPECT_EQ(grey, (Plane{0.0f, 2.0f})); // 0.09 -> 0; 640 / 256 = 2.5 -> 2 (halves to even)
}

TEST_F(Reader, StopsExactlyAtMaxSamplesAlsoInTheMiddleOfARow)
{
    // 3 x 2: plane row 0 = 1 2 3, plane row 1 = 4 5 6.
    const Plane a = {1, 2, 3, 4, 5, 6}, b = {11, 12, 13, 14, 15, 16}, c = {21, 22, 23, 24, 25, 26};
    const std::u16string grey = folder_.File("grey.tif"), colour = folder_.File("colour.tif");
    ASSERT_TRUE(WriteTiff16(a.data(), nullptr, nullptr, 1.0f, 3, 2, false, grey));
    ASSERT_TRUE(WriteTiff16(a.data(), b.data(), c.data(), 1.0f, 3, 2, true, colour));

    for (int32_t max : {1, 2, 3, 4, 5}) {
        Plane p1 = Filled(6), p2 = Filled(6), p3 = Filled(6);
        ASSERT_TRUE(LoadTiffPlanes(grey, p1.data(), p2.data(), p3.data(), 1.0f, max));
        for (int32_t i = 0; i < 6; ++i)
            EXPECT_EQ(p1[i], i < max ? a[i] : kSentinel) << "grey, max " << max << ", index " << i;
        EXPECT_EQ(p2, Filled(6));

        p1 = Filled(6);
        ASSERT_TRUE(LoadTiffPlanes(colour, p1.data(), p2.data(), p3.data(), 1.0f, max));
        for (int32_t i = 0; i < 6; ++i) {
            EXPECT_EQ(p1[i], i < max ? a[i] : kSentinel) << "green, max " << max << ", index " << i;
            EXPECT_EQ(p2[i], i < max ? b[i] : kSentinel) << "red, max " << max << ", index " << i;
            EXPECT_EQ(p3[i], i < max ? c[i] : kSentinel) << "blue, max " << max << ", index " << i;
        }
    }
}

TEST_F(Reader, SmallerFileFillsTheFirstValuesAndKeepsTheRest)
{
    const Plane a = {7, 8};
    const std::u16string file = folder_.File("small.tif");
    ASSERT_TRUE(WriteTiff16(a.data(), nullptr, nullptr, 1.0f, 2, 1, false, file));
    Plane p1 = Filled(5), p2 = Filled(5), p3 = Filled(5);
    ASSERT_TRUE(LoadTiffPlanes(file, p1.data(), p2.data(), p3.data(), 1.0f, 5));
    EXPECT_EQ(p1, (Plane{7, 8, kSentinel, kSentinel, kSentinel}));
}

TEST_F(Reader, UnreadableFilesAndBadArgumentsLeaveThePlanesUntouched)
{
    const Plane a = {1, 2, 3, 4};
    const std::u16string good = folder_.File("good.tif");
    ASSERT_TRUE(WriteTiff16(a.data(), nullptr, nullptr, 1.0f, 2, 2, false, good));
    std::vector<uint8_t> noise(4096);
    uint32_t x = 12345;
    for (auto& byte : noise) // a fixed pseudo-random sequence
        byte = static_cast<uint8_t>((x = x * 1103515245u + 12345u) >> 24);
    kv::test::WriteBytes(folder_ / "noise.tif", noise);
    kv::test::WriteBytes(folder_ / "empty.tif", {});

    Plane p1 = Filled(4), p2 = Filled(4), p3 = Filled(4);
    struct Case {
        const char* what;
        std::u16string file;
        float *plane1, *plane2, *plane3;
        int32_t maxSamples;
    };
    const Case cases[] = {
        {"missing file", folder_.File("missing.tif"), p1.data(), p2.data(), p3.data(), 4},
        {"random bytes named .tif", folder_.File("noise.tif"), p1.data(), p2.data(), p3.data(), 4},
        {"empty file", folder_.File("empty.tif"), p1.data(), p2.data(), p3.data(), 4},
        {"a folder", folder_.Path().u16string(), p1.data(), p2.data(), p3.data(), 4},
        {"maxSamples 0", good, p1.data(), p2.data(), p3.data(), 0},
        {"maxSamples negative", good, p1.data(), p2.data(), p3.data(), -1},
        {"no plane1", good, nullptr, p2.data(), p3.data(), 4},
        {"no plane3", good, p1.data(), p2.data(), nullptr, 4},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(LoadTiffPlanes(c.file, c.plane1, c.plane2, c.plane3, 1.0f, c.maxSamples)) << c.what;
        EXPECT_EQ(p1, Filled(4)) << c.what;
        EXPECT_EQ(p2, Filled(4)) << c.what;
        EXPECT_EQ(p3, Filled(4)) << c.what;
    }
}

TEST_F(Reader, TruncatedFileGivesZeroRowsAndTrue)
{
    // 4 x 4 grey, 8 bytes per row after the 128-byte header; the file keeps
    // its first two rows, which are plane rows 3 and 2 (indices 8 to 15).
    Plane a(16);
    for (std::size_t i = 0; i < a.size(); ++i)
        a[i] = static_cast<float>(100 + i);
    ASSERT_TRUE(WriteTiff16(a.data(), nullptr, nullptr, 1.0f, 4, 4, false, folder_.File("whole.tif")));
    std::vector<uint8_t> bytes = kv::test::ReadBytes(folder_ / "whole.tif");
    ASSERT_EQ(bytes.size(), 128u + 32u);

    // What FreeImage answers: a bitmap in which the missing rows are 0 (it
    // only says "Image may be incomplete" through its message hook), so the
    // reader reports success and the host's rows become 0.
    bytes.resize(128 + 16);
    kv::test::WriteBytes(folder_ / "half.tif", bytes);
    Plane p1 = Filled(16), p2 = Filled(16), p3 = Filled(16);
    EXPECT_TRUE(LoadTiffPlanes(folder_.File("half.tif"), p1.data(), p2.data(), p3.data(), 1.0f, 16));
    for (std::size_t i = 0; i < 16; ++i)
        EXPECT_EQ(p1[i], i < 8 ? 0.0f : a[i]) << i;
    EXPECT_EQ(p2, Filled(16));

    // Cut inside the directory: nothing is read.
    bytes.resize(100);
    kv::test::WriteBytes(folder_ / "header.tif", bytes);
    p1 = Filled(16);
    EXPECT_FALSE(LoadTiffPlanes(folder_.File("header.tif"), p1.data(), p2.data(), p3.data(), 1.0f, 16));
    EXPECT_EQ(p1, Filled(16));
}

// The conversions on hand-made buffers: signed halves, unaligned rows, and
// products too large for the fast rounding path.
TEST(SampleConversion, SignedHalvesRoundToEvenAndHugeProductsStayExact)
{
    // One row of 4 signed samples: -3, -5, 7, -32768 (8 bytes, no padding).
    const uint16_t samples[] = {0xFFFD, 0xFFFB, 0x0007, 0x8000};
    uint8_t buffer[sizeof samples];
    std::memcpy(buffer, samples, sizeof samples);
    struct Case {
        float factor;
        Plane expected;
    };
    const Case cases[] = {
        {0.5f, {-2.0f, -2.0f, 4.0f, -16384.0f}},              // -1.5, -2.5, 3.5
        {1e20f, {-3e20f, -5e20f, 7e20f, -32768 * 1e20f}},      // beyond 2^51: already integers
    };
    for (const Case& c : cases) {
        Plane plane = Filled(4);
        Grey16ToPlane(buffer, 4, 1, 4, plane.data(), c.factor, true, true);
        for (std::size_t i = 0; i < 4; ++i)
            EXPECT_EQ(plane[i], static_cast<float>(static_cast<double>(c.expected[i]))) << c.factor << " " << i;
    }
}

// The conversions pick a faster arithmetic for some factors; every one must
// give exactly Round(sample * factor) with the product in double precision.
TEST(SampleConversion, EverySampleAndFactorRoundsTheDoubleProduct)
{
    constexpr int32_t kAll = 65536;
    std::vector<uint8_t> grey(2 * kAll), rgb(6 * kAll);
    for (int32_t i = 0; i < kAll; ++i) {
        const uint16_t s = static_cast<uint16_t>(i);
        const uint16_t pixel[3] = {s, static_cast<uint16_t>(s ^ 0x5555), static_cast<uint16_t>(65535 - s)};
        std::memcpy(&grey[2 * static_cast<std::size_t>(i)], &s, 2);
        std::memcpy(&rgb[6 * static_cast<std::size_t>(i)], pixel, 6);
    }
    const auto expected = [](double sample, float factor) {
        return static_cast<float>(std::nearbyint(sample * static_cast<double>(factor)));
    };
    for (float factor : {1.0f, k8Bit, 0.5f, 3.0f, 63.5f, 64.0f, 127.0f, 0x1p-133f, 0.3f, 1.0f / 3.0f, 1e-30f, 0.0f, -1.0f,
                         -k8Bit, 1e20f}) {
        Plane u(kAll), sgn(kAll), r(kAll), g(kAll), b(kAll);
        Grey16ToPlane(grey.data(), kAll, 1, kAll, u.data(), factor, false, true);
        Grey16ToPlane(grey.data(), kAll, 1, kAll, sgn.data(), factor, true, true);
        Rgb16ToPlanes(rgb.data(), kAll, 1, kAll, g.data(), r.data(), b.data(), factor, true, 3);
        int mismatches = 0;
        for (int32_t i = 0; i < kAll && mismatches < 5; ++i) {
            const auto s = static_cast<uint16_t>(i);
            const bool same = u[i] == expected(s, factor) &&
                              sgn[i] == expected(static_cast<int16_t>(s), factor) && r[i] == expected(s, factor) &&
                              g[i] == expected(s ^ 0x5555, factor) && b[i] == expected(65535 - s, factor);
            if (!same) {
                ++mismatches;
                ADD_FAILURE() << "factor " << factor << ", sample " << i;
            }
        }
    }
}

TEST(SampleConversion, AlignRowsDecidesWhetherPaddingIsSkipped)
{
    // Two rows of one RGB pixel (6 bytes): packed, and with 2 padding bytes each.
    const uint16_t packed[] = {1, 2, 3, 4, 5, 6};
    const uint16_t padded[] = {1, 2, 3, 0xEEEE, 4, 5, 6, 0xEEEE};
    uint8_t a[sizeof packed], b[sizeof padded];
    std::memcpy(a, packed, sizeof packed);
    std::memcpy(b, padded, sizeof padded);
    for (const auto& [pixels, align] : {std::pair<const uint8_t*, bool>{a, false}, {b, true}}) {
        Plane g = Filled(2), r = Filled(2), bl = Filled(2);
        Rgb16ToPlanes(pixels, 1, 2, 2, g.data(), r.data(), bl.data(), 1.0f, align, 3);
        EXPECT_EQ(r, (Plane{1, 4})) << align;
        EXPECT_EQ(g, (Plane{2, 5})) << align;
        EXPECT_EQ(bl, (Plane{3, 6})) << align;
    }
}

TEST_F(Reader, FreeImageIsAvailable)
{
    EXPECT_EQ(FreeImageProblem(), u"");
}

} // namespace
