#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "support/Files.h"
#include "support/TempFolder.h"
#include "tools/host/TiffDecoder.h"
#include "tools/sky/Sky.h"
#include "tools/sky/SkyFiles.h"

namespace {

using kv::sky::GenerateSky;
using kv::sky::Sky;
using kv::sky::SkyOptions;

struct SkyFiles {
    std::vector<uint8_t> image, truth;
    std::string stars;
};

SkyFiles Write(const SkyOptions& options, const kv::test::TempFolder& folder)
{
    const Sky sky = GenerateSky(options);
    EXPECT_TRUE(kv::sky::WriteSkyTiff(sky.image, sky.width, sky.height, folder / "image.tif"));
    EXPECT_TRUE(kv::sky::WriteSkyTiff(sky.truth, sky.width, sky.height, folder / "truth.tif"));
    return {kv::test::ReadBytes(folder / "image.tif"), kv::test::ReadBytes(folder / "truth.tif"), kv::sky::StarListText(sky)};
}

class SkySeed : public ::testing::TestWithParam<bool> {};

TEST_P(SkySeed, TheSameSeedGivesTheSameFilesByteForByteAndAnotherDoesNot)
{
    kv::test::TempFolder folder;
    const SkyOptions options{300, 200, GetParam(), 42, true};
    const SkyFiles first = Write(options, folder);
    const SkyFiles again = Write(options, folder);
    SkyOptions other = options;
    other.seed = 43;
    const SkyFiles different = Write(other, folder);

    ASSERT_EQ(first.image.size(), 128u + 300u * 200u * 2u * (GetParam() ? 3u : 1u));
    EXPECT_TRUE(first.image == again.image);
    EXPECT_TRUE(first.truth == again.truth);
    EXPECT_EQ(first.stars, again.stars);
    EXPECT_FALSE(first.image == different.image);
    EXPECT_FALSE(first.truth == different.truth);
    EXPECT_NE(first.stars, different.stars);
}

INSTANTIATE_TEST_SUITE_P(GreyAndColour, SkySeed, ::testing::Values(false, true),
                         [](const auto& test) { return test.param ? "Rgb" : "Grey"; });

// The sky looks like a processed image and holds every kind of object.
TEST(Sky, HoldsTheObjectsItDescribes)
{
    const Sky sky = GenerateSky(SkyOptions{800, 600, true, 5, true});
    const std::vector<float> truth = kv::sky::Luminance(sky.truth);
    std::vector<float> sorted = truth;
    std::nth_element(sorted.begin(), sorted.begin() + static_cast<std::ptrdiff_t>(sorted.size() / 2), sorted.end());
    const float median = sorted[sorted.size() / 2];
    EXPECT_GT(median, 4000.0f);
    EXPECT_LT(median, 9000.0f);
    EXPECT_GT(*std::max_element(truth.begin(), truth.end()), 10000.0f);

    int saturated = 0, spiked = 0, moffat = 0, gaussian = 0;
    double narrowest = 1e9, widest = 0;
    for (const auto& s : sky.stars) {
        saturated += s.saturated;
        spiked += s.spikes;
        (s.beta > 0 ? moffat : gaussian) += 1;
        narrowest = std::min(narrowest, s.fwhm);
        widest = std::max(widest, s.fwhm);
    }
    EXPECT_GT(saturated, 0);
    EXPECT_GT(spiked, 0);
    EXPECT_GT(moffat, 0);
    EXPECT_GT(gaussian, 0);
    EXPECT_GT(widest, 1.4 * narrowest);

    int galaxies = 0, small = 0, nebulae = 0;
    for (const auto& o : sky.objects) {
        galaxies += o.kind == "galaxy";
        small += o.kind == "galaxy" && o.scale <= 4.5;
        nebulae += o.kind == "nebula";
    }
    EXPECT_GE(galaxies, 3);
    EXPECT_GE(small, 1);
    EXPECT_EQ(nebulae, 1);

}

// The files are read back as written: the first file row is the sky's row 0,
// and red, green and blue land in the host's planes 2, 0 and 3.
TEST(Sky, FilesKeepRowsAndChannels)
{
    kv::test::TempFolder folder;
    const Sky sky = GenerateSky(SkyOptions{96, 64, true, 9, true});
    ASSERT_TRUE(kv::sky::WriteSkyTiff(sky.image, sky.width, sky.height, folder / "image.tif"));
    kv::host::HostImage read;
    std::string error;
    ASSERT_TRUE(kv::host::DecodeTiff(kv::test::ReadBytes(folder / "image.tif"), read, error)) << error;
    ASSERT_EQ(read.Width(), 96);
    ASSERT_EQ(read.Height(), 64);
    const intptr_t codes[3] = {2, 0, 3};
    for (int c = 0; c < 3; ++c)
        for (int32_t y = 0; y < 64; ++y)
            for (int32_t x = 0; x < 96; ++x)
                ASSERT_EQ(read.Plane(codes[c])[static_cast<std::size_t>(63 - y) * 96 + x],
                          sky.image[static_cast<std::size_t>(c)][static_cast<std::size_t>(y) * 96 + x])
                    << c << " " << x << " " << y;
}

} // namespace
