// The host's two TIFF readers (FreeImage natively, its own decoder on Windows)
// on files written by libtiff: both give the same planes, values as stored,
// the last file row as plane row 0.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <tiffio.h>

#include "support/Files.h"
#include "support/TempFolder.h"
#include "tools/host/ImageFile.h"
#include "tools/host/TiffDecoder.h"

namespace {

using kv::host::HostImage;

struct Case {
    const char* name;
    uint16_t bits, samples, format;
    bool bigEndian;
    uint32_t rowsPerStrip;
    uint16_t compression;
};

void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.name;
}

constexpr uint32_t kWidth = 3, kHeight = 4;

// The value of sample s of pixel (x, y) in file order; fits every sample type.
double Value(const Case& c, uint32_t x, uint32_t y, uint32_t s)
{
    const double v = 7.0 * x + 31.0 * y + 61.0 * s; // at most 229: fits 8 bits
    return c.bits == 8 ? v : c.format == SAMPLEFORMAT_IEEEFP ? v + 0.25 : v * 150.0;
}

void WriteWithLibtiff(const Case& c, const std::string& path)
{
    TIFF* tif = TIFFOpen(path.c_str(), c.bigEndian ? "wb" : "wl");
    ASSERT_NE(tif, nullptr);
    TIFFSetField(tif, TIFFTAG_IMAGEWIDTH, kWidth);
    TIFFSetField(tif, TIFFTAG_IMAGELENGTH, kHeight);
    TIFFSetField(tif, TIFFTAG_BITSPERSAMPLE, c.bits);
    TIFFSetField(tif, TIFFTAG_SAMPLESPERPIXEL, c.samples);
    TIFFSetField(tif, TIFFTAG_SAMPLEFORMAT, c.format);
    TIFFSetField(tif, TIFFTAG_PHOTOMETRIC, c.samples == 3 ? PHOTOMETRIC_RGB : PHOTOMETRIC_MINISBLACK);
    TIFFSetField(tif, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    TIFFSetField(tif, TIFFTAG_COMPRESSION, c.compression);
    TIFFSetField(tif, TIFFTAG_ROWSPERSTRIP, c.rowsPerStrip);
    std::vector<uint8_t> row(kWidth * c.samples * c.bits / 8);
    for (uint32_t y = 0; y < kHeight; ++y) {
        for (uint32_t x = 0; x < kWidth; ++x)
            for (uint32_t s = 0; s < c.samples; ++s) {
                const double v = Value(c, x, y, s);
                uint8_t* at = row.data() + (x * c.samples + s) * c.bits / 8;
                if (c.bits == 8) {
                    *at = static_cast<uint8_t>(v);
                } else if (c.bits == 16) {
                    const auto u = static_cast<uint16_t>(v);
                    std::memcpy(at, &u, 2);
                } else if (c.format == SAMPLEFORMAT_IEEEFP) {
                    const auto f = static_cast<float>(v);
                    std::memcpy(at, &f, 4);
                } else {
                    const auto u = static_cast<uint32_t>(v);
                    std::memcpy(at, &u, 4);
                }
            }
        ASSERT_EQ(TIFFWriteScanline(tif, row.data(), y, 0), 1);
    }
    TIFFClose(tif);
}

void ExpectPlanes(const Case& c, const HostImage& image, const char* reader)
{
    ASSERT_EQ(image.Width(), static_cast<int32_t>(kWidth)) << reader;
    ASSERT_EQ(image.Height(), static_cast<int32_t>(kHeight)) << reader;
    ASSERT_EQ(image.IsColor(), c.samples == 3) << reader;
    constexpr intptr_t kCodeOfSample[] = {2, 0, 3}; // R, G, B
    for (uint32_t s = 0; s < c.samples; ++s)
        for (uint32_t y = 0; y < kHeight; ++y)
            for (uint32_t x = 0; x < kWidth; ++x) {
                const float got = image.Plane(kCodeOfSample[s])[(kHeight - 1 - y) * kWidth + x];
                EXPECT_EQ(got, static_cast<float>(Value(c, x, y, s)))
                    << reader << " sample " << s << " at " << x << "," << y;
            }
}

class HostImageRead : public testing::TestWithParam<Case> {
protected:
    kv::test::TempFolder folder_;
};

TEST_P(HostImageRead, FreeImageAndTheOwnDecoderAgree)
{
    const Case c = GetParam();
    const std::string path = (folder_ / "in.tif").string();
    WriteWithLibtiff(c, path);

    HostImage viaFreeImage;
    std::string error;
    ASSERT_TRUE(kv::host::ReadImageFile(path, viaFreeImage, error)) << error;
    ExpectPlanes(c, viaFreeImage, "FreeImage");

    HostImage viaDecoder;
    const bool decoded = kv::host::DecodeTiff(kv::test::ReadBytes(path), viaDecoder, error);
    if (c.compression != COMPRESSION_NONE) {
        EXPECT_FALSE(decoded);
        EXPECT_NE(error.find("compressed"), std::string::npos) << error;
        return;
    }
    ASSERT_TRUE(decoded) << error;
    ExpectPlanes(c, viaDecoder, "decoder");
}

INSTANTIATE_TEST_SUITE_P(
    Formats, HostImageRead,
    testing::Values(Case{"grey8", 8, 1, SAMPLEFORMAT_UINT, false, kHeight, COMPRESSION_NONE},
                    Case{"rgb8", 8, 3, SAMPLEFORMAT_UINT, false, 1, COMPRESSION_NONE},
                    Case{"grey16", 16, 1, SAMPLEFORMAT_UINT, false, 3, COMPRESSION_NONE},
                    Case{"rgb16_big_endian", 16, 3, SAMPLEFORMAT_UINT, true, kHeight, COMPRESSION_NONE},
                    Case{"grey_float", 32, 1, SAMPLEFORMAT_IEEEFP, false, 2, COMPRESSION_NONE},
                    Case{"rgb_float_big_endian", 32, 3, SAMPLEFORMAT_IEEEFP, true, kHeight, COMPRESSION_NONE},
                    Case{"grey32", 32, 1, SAMPLEFORMAT_UINT, false, kHeight, COMPRESSION_NONE},
                    Case{"rgb16_lzw", 16, 3, SAMPLEFORMAT_UINT, false, kHeight, COMPRESSION_LZW}),
    [](const testing::TestParamInfo<Case>& p) { return std::string(p.param.name); });

TEST(HostImageReadErrors, MissingAndForeignFiles)
{
    kv::test::TempFolder folder;
    kv::test::WriteBytes(folder / "note.tif", {'n', 'o', 't', 'e'});
    for (const std::string name : {"absent.tif", "note.tif"}) {
        HostImage image;
        std::string error;
        EXPECT_FALSE(kv::host::ReadImageFile((folder / name).string(), image, error)) << name;
        EXPECT_NE(error.find(name), std::string::npos) << error;
        EXPECT_TRUE(image.Empty());
    }
}

} // namespace
