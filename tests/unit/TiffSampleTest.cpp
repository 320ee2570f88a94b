// The writer converts rows with vectorised code; every sample it stores must
// equal ClampRound(v * factor, 0, 65535) with the product in double precision.
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "base/LibBase.h"
#include "image/uImage.h"
#include "support/Files.h"
#include "support/TempFolder.h"

namespace {

std::vector<float> SweepValues()
{
    std::vector<float> v = {0.0f, -0.0f, 0.5f, 1.5f, 2.5f, 65534.5f, 65535.0f, 65535.4f, 65535.5f, 65536.0f, -0.5f,
                            -1.0f, 1e-30f, -1e-30f, 1e30f, -1e30f, std::numeric_limits<float>::max(),
                            std::numeric_limits<float>::denorm_min(), std::numeric_limits<float>::infinity(),
                            -std::numeric_limits<float>::infinity(), std::numeric_limits<float>::quiet_NaN(),
                            255.999f, 255.998f, 0.001953125f, 0.005859375f, 127.5f, 128.5f};
    for (int k = -4; k < 300; ++k) // every half from -4 to 300, which covers x256 ties too
        v.push_back(static_cast<float>(k) + 0.5f);
    std::mt19937 rng(12345);
    std::uniform_real_distribution<float> wide(-1000.0f, 70000.0f);
    for (int i = 0; i < 4000; ++i)
        v.push_back(wide(rng));
    for (int i = 0; i < 1000; ++i) // values whose product with a factor lands near a tie
        v.push_back(std::nextafter(static_cast<float>(i % 300) + 0.5f, (i & 1) ? 1e9f : -1e9f));
    return v;
}

class WrittenSamples : public testing::TestWithParam<float> {
protected:
    kv::test::TempFolder folder_;
};

TEST_P(WrittenSamples, EqualClampRoundOfTheDoubleProduct)
{
    const float factor = GetParam();
    const auto values = SweepValues();
    const int32_t width = static_cast<int32_t>(values.size());
    // Grey, and colour with the sweep rotated per channel so each plane sees every value.
    std::vector<float> b(values.size()), c(values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        b[i] = values[(i + 1) % values.size()];
        c[i] = values[(i + 2) % values.size()];
    }
    ASSERT_TRUE(WriteTiff16(values.data(), nullptr, nullptr, factor, width, 1, false, folder_.File("g.tif")));
    ASSERT_TRUE(WriteTiff16(values.data(), b.data(), c.data(), factor, width, 1, true, folder_.File("c.tif")));
    const auto grey = kv::test::ReadBytes(folder_ / "g.tif");
    const auto colour = kv::test::ReadBytes(folder_ / "c.tif");
    ASSERT_EQ(grey.size(), 128u + values.size() * 2);
    ASSERT_EQ(colour.size(), 128u + values.size() * 6);
    auto at = [](const std::vector<uint8_t>& f, std::size_t i) { return f[128 + 2 * i] | f[129 + 2 * i] << 8; };
    auto expected = [factor](float v) { return ClampRound(static_cast<double>(v) * factor, 0, 65535); };
    for (std::size_t i = 0; i < values.size(); ++i) {
        ASSERT_EQ(at(grey, i), expected(values[i])) << values[i] << " x " << factor;
        ASSERT_EQ(at(colour, 3 * i), expected(b[i])) << b[i] << " x " << factor;
        ASSERT_EQ(at(colour, 3 * i + 1), expected(values[i])) << values[i] << " x " << factor;
        ASSERT_EQ(at(colour, 3 * i + 2), expected(c[i])) << c[i] << " x " << factor;
        ASSERT_EQ(TiffSample(values[i], factor), expected(values[i])) << values[i] << " x " << factor;
    }
}

// Exact halves from factors that are not powers of two (the double-precision
// path) go to the even neighbour, in a written file as in TiffSample.
TEST(WrittenSample, HalvesOfOtherFactorsGoToTheEvenNeighbour)
{
    struct Case {
        float value, factor;
        int expected;
    };
    const Case cases[] = {
        {0.5f, 3.0f, 2},   {2.5f, 3.0f, 8},     {1.5f, 3.0f, 4},   {0.5f, 257.0f, 128},
        {1.5f, 257.0f, 386}, {2.0f, 0.75f, 2}, {6.0f, 0.75f, 4}, {21845.5f, 3.0f, 65535}, // 65536.5 is clamped
    };
    kv::test::TempFolder folder;
    for (const Case& c : cases) {
        EXPECT_EQ(TiffSample(c.value, c.factor), c.expected) << c.value << " x " << c.factor;
        ASSERT_TRUE(WriteTiff16(&c.value, nullptr, nullptr, c.factor, 1, 1, false, folder.File("half.tif")));
        const auto file = kv::test::ReadBytes(folder / "half.tif");
        ASSERT_EQ(file.size(), 130u);
        EXPECT_EQ(file[128] | file[129] << 8, c.expected) << c.value << " x " << c.factor;
    }
}

// Powers of two take the single-precision path; the others the double one.
INSTANTIATE_TEST_SUITE_P(Factors, WrittenSamples,
                         testing::Values(1.0f, 256.0f, 0.00390625f, 2.0f, 0.5f, 0.3f, 3.0f, 257.1f, 1e-3f));

} // namespace
