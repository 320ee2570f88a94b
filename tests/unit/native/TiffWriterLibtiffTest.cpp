// Files from the writer, read back by libtiff as an independent reader.
#include <cstdint>
#include <vector>

#include <gtest/gtest.h>
#include <tiffio.h>

#include "base/LibBase.h"
#include "image/uImage.h"
#include "support/TempFolder.h"

namespace {

struct Shape {
    int32_t width, height;
    bool colour;
};

void PrintTo(const Shape& s, std::ostream* os) { *os << s.width << "x" << s.height << (s.colour ? " colour" : " grey"); }

// Distinct, non-integer values per plane so that swapped channels, mirrored
// rows and a wrong rounding all show.
std::vector<float> MakePlane(const Shape& s, float offset)
{
    std::vector<float> p(static_cast<std::size_t>(s.width) * s.height);
    for (std::size_t i = 0; i < p.size(); ++i)
        p[i] = offset + static_cast<float>(i) * 37.5f;
    return p;
}

uint16_t Expected(float v) { return static_cast<uint16_t>(ClampRound(v, 0, 65535)); }

class LibtiffReadsWriterFiles : public testing::TestWithParam<Shape> {
protected:
    kv::test::TempFolder folder_;
};

TEST_P(LibtiffReadsWriterFiles, SamplesComeBackExactly)
{
    const Shape s = GetParam();
    const auto a = MakePlane(s, 0.5f), b = MakePlane(s, 1000.25f), c = MakePlane(s, 30000.75f);
    const auto path = folder_ / "libtiff.tif";
    ASSERT_TRUE(WriteTiff16(a.data(), b.data(), c.data(), 1.0f, s.width, s.height, s.colour, path.u16string()));

    TIFFSetWarningHandler(nullptr);
    TIFF* tif = TIFFOpen(path.c_str(), "r");
    if (s.width == 0 || s.height == 0) {
        // libtiff refuses an image with no pixels; the writer's file is still a
        // well-formed header and directory (checked byte for byte elsewhere).
        EXPECT_EQ(tif, nullptr);
        if (tif)
            TIFFClose(tif);
        return;
    }
    ASSERT_NE(tif, nullptr);
    uint32_t width = 0, height = 0;
    uint16_t spp = 0, bits = 0, photometric = 0, planar = 0;
    TIFFGetField(tif, TIFFTAG_IMAGEWIDTH, &width);
    TIFFGetField(tif, TIFFTAG_IMAGELENGTH, &height);
    TIFFGetFieldDefaulted(tif, TIFFTAG_SAMPLESPERPIXEL, &spp);
    TIFFGetFieldDefaulted(tif, TIFFTAG_BITSPERSAMPLE, &bits);
    TIFFGetField(tif, TIFFTAG_PHOTOMETRIC, &photometric);
    TIFFGetFieldDefaulted(tif, TIFFTAG_PLANARCONFIG, &planar);
    EXPECT_EQ(width, static_cast<uint32_t>(s.width));
    EXPECT_EQ(height, static_cast<uint32_t>(s.height));
    EXPECT_EQ(spp, s.colour ? 3 : 1);
    EXPECT_EQ(bits, 16);
    EXPECT_EQ(photometric, s.colour ? PHOTOMETRIC_RGB : PHOTOMETRIC_MINISBLACK);
    EXPECT_EQ(planar, PLANARCONFIG_CONTIG);

    std::vector<uint16_t> line(static_cast<std::size_t>(TIFFScanlineSize(tif)) / 2);
    for (uint32_t row = 0; row < height; ++row) {
        ASSERT_EQ(TIFFReadScanline(tif, line.data(), row), 1) << "row " << row;
        const std::size_t planeRow = height - 1 - row; // the file's top row is the last plane row
        for (std::size_t x = 0; x < width; ++x) {
            const std::size_t i = planeRow * width + x;
            if (s.colour) {
                ASSERT_EQ(line[3 * x], Expected(b[i])) << "red at " << x << "," << row;
                ASSERT_EQ(line[3 * x + 1], Expected(a[i])) << "green at " << x << "," << row;
                ASSERT_EQ(line[3 * x + 2], Expected(c[i])) << "blue at " << x << "," << row;
            } else {
                ASSERT_EQ(line[x], Expected(a[i])) << "grey at " << x << "," << row;
            }
        }
    }
    TIFFClose(tif);
}

INSTANTIATE_TEST_SUITE_P(Shapes, LibtiffReadsWriterFiles,
                         testing::Values(Shape{1, 1, false}, Shape{1, 1, true}, Shape{3, 2, false}, Shape{3, 2, true},
                                         Shape{5, 3, false}, Shape{7, 4, true}, Shape{1, 9, true}, Shape{9, 1, false},
                                         Shape{0, 0, false}, Shape{0, 0, true}));

} // namespace
