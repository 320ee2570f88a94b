#include <cstdint>
#include <filesystem>
#include <limits>
#include <vector>

#include <gtest/gtest.h>

#include "image/uImage.h"
#include "support/Files.h"
#include "support/TempFolder.h"

namespace {

using kv::test::ReadBytes;

// The 3 x 2 grey image: plane row 0 = 10 20 30, plane row 1 = 4000 5000 60000.
const std::vector<float> kGrey = {10, 20, 30, 4000, 5000, 60000};

// Written out by hand from the file format, not produced by the writer.
const std::vector<uint8_t> kGreyFile = {
    0x49, 0x49, 0x2A, 0x00, 0x08, 0x00, 0x00, 0x00, 0x09, 0x00,             // header, 9 entries
    0xFE, 0x00, 0x04, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, // NewSubfileType 0
    0x00, 0x01, 0x03, 0x00, 0x01, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00, // ImageWidth 3
    0x01, 0x01, 0x03, 0x00, 0x01, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, // ImageLength 2
    0x02, 0x01, 0x03, 0x00, 0x01, 0x00, 0x00, 0x00, 0x10, 0x00, 0x00, 0x00, // BitsPerSample 16
    0x03, 0x01, 0x03, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, // Compression none
    0x06, 0x01, 0x03, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, // BlackIsZero
    0x11, 0x01, 0x04, 0x00, 0x01, 0x00, 0x00, 0x00, 0x80, 0x00, 0x00, 0x00, // StripOffsets 128
    0x15, 0x01, 0x03, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, // SamplesPerPixel 1
    0x17, 0x01, 0x04, 0x00, 0x01, 0x00, 0x00, 0x00, 0x0C, 0x00, 0x00, 0x00, // StripByteCounts 12
    0x00, 0x00, 0x00, 0x00,                                                 // no next directory
    0x10, 0x00, 0x10, 0x00, 0x10, 0x00,                                     // 16, 16, 16
    0xA0, 0x0F, 0x88, 0x13, 0x60, 0xEA,                                     // file row 0 = plane row 1
    0x0A, 0x00, 0x14, 0x00, 0x1E, 0x00,                                     // file row 1 = plane row 0
};

// The 3 x 2 colour image; every plane has its own values.
const std::vector<float> kGreen = {1, 2, 3, 4, 5, 6};                        // planeA
const std::vector<float> kRed = {100, 200, 300, 400, 500, 600};              // planeB
const std::vector<float> kBlue = {1000, 2000, 3000, 4000, 5000, 6000};       // planeC

const std::vector<uint8_t> kColourFile = {
    0x49, 0x49, 0x2A, 0x00, 0x08, 0x00, 0x00, 0x00, 0x09, 0x00,
    0xFE, 0x00, 0x04, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x01, 0x03, 0x00, 0x01, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00,
    0x01, 0x01, 0x03, 0x00, 0x01, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00,
    0x02, 0x01, 0x03, 0x00, 0x03, 0x00, 0x00, 0x00, 0x7A, 0x00, 0x00, 0x00, // BitsPerSample: 3 at 122
    0x03, 0x01, 0x03, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00,
    0x06, 0x01, 0x03, 0x00, 0x01, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, // RGB
    0x11, 0x01, 0x04, 0x00, 0x01, 0x00, 0x00, 0x00, 0x80, 0x00, 0x00, 0x00,
    0x15, 0x01, 0x03, 0x00, 0x01, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00, // SamplesPerPixel 3
    0x17, 0x01, 0x04, 0x00, 0x01, 0x00, 0x00, 0x00, 0x24, 0x00, 0x00, 0x00, // StripByteCounts 36
    0x00, 0x00, 0x00, 0x00,
    0x10, 0x00, 0x10, 0x00, 0x10, 0x00,
    // file row 0 = plane row 1, per pixel planeB, planeA, planeC
    0x90, 0x01, 0x04, 0x00, 0xA0, 0x0F, 0xF4, 0x01, 0x05, 0x00, 0x88, 0x13, 0x58, 0x02, 0x06, 0x00, 0x70, 0x17,
    // file row 1 = plane row 0
    0x64, 0x00, 0x01, 0x00, 0xE8, 0x03, 0xC8, 0x00, 0x02, 0x00, 0xD0, 0x07, 0x2C, 0x01, 0x03, 0x00, 0xB8, 0x0B,
};

uint16_t SampleAt(const std::vector<uint8_t>& file, std::size_t index)
{
    return static_cast<uint16_t>(file.at(128 + 2 * index) | file.at(129 + 2 * index) << 8);
}

class TiffWriter : public testing::Test {
protected:
    kv::test::TempFolder folder_;
};

TEST_F(TiffWriter, GreyFileMatchesTheFormatByteForByte)
{
    ASSERT_TRUE(WriteTiff16(kGrey.data(), nullptr, nullptr, 1.0f, 3, 2, false, folder_.File("grey.tif")));
    EXPECT_EQ(ReadBytes(folder_ / "grey.tif"), kGreyFile);
}

TEST_F(TiffWriter, ColourFileMatchesTheFormatByteForByte)
{
    ASSERT_TRUE(WriteTiff16(kGreen.data(), kRed.data(), kBlue.data(), 1.0f, 3, 2, true, folder_.File("rgb.tif")));
    EXPECT_EQ(ReadBytes(folder_ / "rgb.tif"), kColourFile);
}

TEST_F(TiffWriter, GreyFileIgnoresTheOtherPlanes)
{
    // A grey host passes the same plane three times; other addresses must not be read.
    const std::vector<float> other = {7, 7, 7, 7, 7, 7};
    ASSERT_TRUE(WriteTiff16(kGrey.data(), other.data(), other.data(), 1.0f, 3, 2, false, folder_.File("g.tif")));
    EXPECT_EQ(ReadBytes(folder_ / "g.tif"), kGreyFile);
}

TEST_F(TiffWriter, ReplacesAnExistingFile)
{
    kv::test::WriteBytes(folder_ / "old.tif", std::vector<uint8_t>(4096, 0xAB));
    ASSERT_TRUE(WriteTiff16(kGrey.data(), nullptr, nullptr, 1.0f, 3, 2, false, folder_.File("old.tif")));
    EXPECT_EQ(ReadBytes(folder_ / "old.tif"), kGreyFile);
}

struct ConversionCase {
    float value;
    float factor;
    uint16_t expected;
};

void PrintTo(const ConversionCase& c, std::ostream* os) { *os << c.value << " x " << c.factor; }

class SampleConversion : public TiffWriter, public testing::WithParamInterface<ConversionCase> {};

TEST_P(SampleConversion, ClampsBeforeRoundingHalvesToEven)
{
    const auto& c = GetParam();
    // Put the value at both ends of a two-pixel row to see it in place.
    const float plane[2] = {c.value, 1.0f};
    ASSERT_TRUE(WriteTiff16(plane, nullptr, nullptr, c.factor, 2, 1, false, folder_.File("c.tif")));
    const auto file = ReadBytes(folder_ / "c.tif");
    ASSERT_EQ(file.size(), 132u);
    EXPECT_EQ(SampleAt(file, 0), c.expected) << c.value << " x " << c.factor;
    EXPECT_EQ(SampleAt(file, 1), static_cast<uint16_t>(c.factor == 1.0f ? 1 : 256));
}

INSTANTIATE_TEST_SUITE_P(
    FactorOne, SampleConversion,
    testing::Values(ConversionCase{65535.4f, 1, 65535}, ConversionCase{70000, 1, 65535}, ConversionCase{-3, 1, 0},
                    ConversionCase{0.5f, 1, 0}, ConversionCase{1.5f, 1, 2}, ConversionCase{2.5f, 1, 2},
                    ConversionCase{3.5f, 1, 4}, ConversionCase{65534.5f, 1, 65534},
                    ConversionCase{std::numeric_limits<float>::quiet_NaN(), 1, 0},
                    ConversionCase{std::numeric_limits<float>::infinity(), 1, 65535},
                    ConversionCase{-std::numeric_limits<float>::infinity(), 1, 0}));

INSTANTIATE_TEST_SUITE_P(EightBit, SampleConversion,
                         testing::Values(ConversionCase{255.0f, 256, 65280}, ConversionCase{255.999f, 256, 65535},
                                         ConversionCase{200.0f, 256, 51200}, ConversionCase{0.001953125f, 256, 0},
                                         ConversionCase{0.005859375f, 256, 2}));

TEST_F(TiffWriter, EmptyImagesAreHeaderAndDirectoryOnly)
{
    for (auto [w, h] : {std::pair{0, 0}, std::pair{0, 5}, std::pair{5, 0}}) {
        for (bool colour : {false, true}) {
            const auto name = folder_.File("empty.tif");
            ASSERT_TRUE(WriteTiff16(nullptr, nullptr, nullptr, 1.0f, w, h, colour, name)) << w << "x" << h;
            const auto file = ReadBytes(folder_ / "empty.tif");
            ASSERT_EQ(file.size(), 128u);
            EXPECT_EQ(file[22 + 8], w % 256);
            EXPECT_EQ(file[34 + 8], h % 256);
            EXPECT_EQ(file[106 + 8], 0) << "StripByteCounts";
        }
    }
}

TEST_F(TiffWriter, WideColourRowIsWrittenWhole)
{
    // 30,000 colour pixels: 90,000 samples in a row, far past the first buffer size.
    constexpr int32_t kWidth = 30000, kHeight = 2;
    std::vector<float> a(kWidth * kHeight), b(a.size()), c(a.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        a[i] = static_cast<float>(i % 65536);
        b[i] = static_cast<float>((i * 7) % 65536);
        c[i] = static_cast<float>((i * 13) % 65536);
    }
    ASSERT_TRUE(WriteTiff16(a.data(), b.data(), c.data(), 1.0f, kWidth, kHeight, true, folder_.File("wide.tif")));
    const auto file = ReadBytes(folder_ / "wide.tif");
    ASSERT_EQ(file.size(), 128u + kWidth * kHeight * 6);
    for (int32_t row = 0; row < kHeight; ++row) {
        const std::size_t planeRow = static_cast<std::size_t>(kHeight - 1 - row);
        for (std::size_t x = 0; x < kWidth; ++x) {
            const std::size_t i = planeRow * kWidth + x, s = (static_cast<std::size_t>(row) * kWidth + x) * 3;
            ASSERT_EQ(SampleAt(file, s), b[i]) << "row " << row << " x " << x;
            ASSERT_EQ(SampleAt(file, s + 1), a[i]) << "row " << row << " x " << x;
            ASSERT_EQ(SampleAt(file, s + 2), c[i]) << "row " << row << " x " << x;
        }
    }
    // A narrow image after the wide one still writes exactly its own bytes.
    ASSERT_TRUE(WriteTiff16(kGrey.data(), nullptr, nullptr, 1.0f, 3, 2, false, folder_.File("grey.tif")));
    EXPECT_EQ(ReadBytes(folder_ / "grey.tif"), kGreyFile);
}

TEST_F(TiffWriter, FailuresReturnFalse)
{
    const float pixel[1] = {1};
    std::filesystem::create_directory(folder_ / "a-folder");
    EXPECT_FALSE(WriteTiff16(pixel, nullptr, nullptr, 1, 1, 1, false, folder_.File("missing/x.tif")));
    EXPECT_FALSE(WriteTiff16(pixel, nullptr, nullptr, 1, 1, 1, false, folder_.File("a-folder")));
    EXPECT_TRUE(std::filesystem::is_directory(folder_ / "a-folder"));
    EXPECT_FALSE(WriteTiff16(pixel, nullptr, nullptr, 1, 1, 1, false, u""));
}

TEST_F(TiffWriter, FullDiskReturnsFalse)
{
    const auto full = kv::test::FullDevicePath();
    if (!full)
        GTEST_SKIP() << "no device that reports a full disk here";
    std::vector<float> plane(64 * 64, 100.0f);
    EXPECT_FALSE(WriteTiff16(plane.data(), plane.data(), plane.data(), 1, 64, 64, true, *full));
}

struct RefusedSize {
    int32_t width, height;
    bool colour;
};

void PrintTo(const RefusedSize& c, std::ostream* os)
{
    *os << c.width << "x" << c.height << (c.colour ? " colour" : " grey");
}

class RefusedSizes : public TiffWriter, public testing::WithParamInterface<RefusedSize> {};

TEST_P(RefusedSizes, AreRefusedBeforeAnyFileIsCreated)
{
    const auto& c = GetParam();
    // The planes are never read: the size is refused first.
    const float pixel[1] = {1};
    EXPECT_FALSE(WriteTiff16(pixel, pixel, pixel, 1, c.width, c.height, c.colour, folder_.File("big.tif")));
    EXPECT_FALSE(std::filesystem::exists(folder_ / "big.tif"));
}

INSTANTIATE_TEST_SUITE_P(Limits, RefusedSizes,
                         testing::Values(RefusedSize{65536, 1, false}, RefusedSize{1, 65536, false},
                                         RefusedSize{65536, 1, true}, RefusedSize{-1, 1, false},
                                         RefusedSize{1, -1, true},
                                         // 65535 x 32769 x 2 bytes and 27000 x 27000 x 6 bytes: 4 GiB or more
                                         RefusedSize{65535, 32769, false}, RefusedSize{27000, 27000, true}));

TEST_F(TiffWriter, MissingPlanesAreRefusedBeforeAnyFileIsCreated)
{
    const float pixel[6] = {1, 2, 3, 4, 5, 6};
    EXPECT_FALSE(WriteTiff16(nullptr, nullptr, nullptr, 1, 3, 2, false, folder_.File("null.tif")));
    EXPECT_FALSE(WriteTiff16(pixel, nullptr, pixel, 1, 3, 2, true, folder_.File("null.tif")));
    EXPECT_FALSE(WriteTiff16(pixel, pixel, nullptr, 1, 3, 2, true, folder_.File("null.tif")));
    EXPECT_FALSE(std::filesystem::exists(folder_ / "null.tif"));
}

} // namespace
