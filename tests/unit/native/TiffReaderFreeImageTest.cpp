// LoadTiffPlanes on files that libtiff and FreeImage make themselves: the
// image types the writer never produces, the size limit, refused formats,
// and a console left alone.
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include <FreeImage.h>
#include <gtest/gtest.h>
#include <tiffio.h>

#include "image/uImage.h"
#include "support/Files.h"
#include "support/TempFolder.h"

namespace {

constexpr float kSentinel = -12345.5f;
using Plane = std::vector<float>;

Plane Filled(std::size_t n) { return Plane(n, kSentinel); }

struct Layout {
    uint32_t width, height;
    uint16_t samplesPerPixel, bitsPerSample, sampleFormat, photometric;
    bool alpha;
};

// One strip, rows given top to bottom without padding, samples in host order.
bool WriteWithLibtiff(const std::filesystem::path& path, const Layout& l, const std::vector<uint8_t>& rows)
{
    TIFF* tif = TIFFOpen(path.c_str(), "w");
    if (tif == nullptr)
        return false;
    TIFFSetField(tif, TIFFTAG_IMAGEWIDTH, l.width);
    TIFFSetField(tif, TIFFTAG_IMAGELENGTH, l.height);
    TIFFSetField(tif, TIFFTAG_SAMPLESPERPIXEL, l.samplesPerPixel);
    TIFFSetField(tif, TIFFTAG_BITSPERSAMPLE, l.bitsPerSample);
    TIFFSetField(tif, TIFFTAG_SAMPLEFORMAT, l.sampleFormat);
    TIFFSetField(tif, TIFFTAG_PHOTOMETRIC, l.photometric);
    TIFFSetField(tif, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    TIFFSetField(tif, TIFFTAG_ROWSPERSTRIP, l.height);
    if (l.alpha) {
        const uint16_t extra[] = {EXTRASAMPLE_UNASSALPHA};
        TIFFSetField(tif, TIFFTAG_EXTRASAMPLES, 1, extra);
    }
    const bool ok = TIFFWriteEncodedStrip(tif, 0, const_cast<uint8_t*>(rows.data()),
                                          static_cast<tmsize_t>(rows.size())) >= 0;
    TIFFClose(tif);
    return ok;
}

std::vector<uint8_t> Bytes16(const std::vector<uint16_t>& samples)
{
    std::vector<uint8_t> bytes(samples.size() * 2);
    std::memcpy(bytes.data(), samples.data(), bytes.size());
    return bytes;
}

int ImageType(const std::u16string& file)
{
    const FreeImageBitmap bitmap = LoadImageFile(file, 0);
    return bitmap ? FreeImage_GetImageType(bitmap.get()) : -1;
}

class ReaderFreeImage : public testing::Test {
protected:
    static void SetUpTestSuite() { TIFFSetWarningHandler(nullptr); } // the fixtures' own writes

    kv::test::TempFolder folder_;
};

TEST_F(ReaderFreeImage, Rgba16DropsAlphaAndMapsRedGreenBlue)
{
    // 3 x 2, file rows top to bottom; per pixel R, G, B, A.
    const std::vector<uint16_t> samples = {
        100, 200, 300, 9, 101, 201, 301, 9, 102, 202, 302, 9, // file row 0 = plane row 1
        110, 210, 310, 9, 111, 211, 311, 9, 112, 212, 312, 9, // file row 1 = plane row 0
    };
    const auto path = folder_ / "rgba.tif";
    ASSERT_TRUE(WriteWithLibtiff(path, {3, 2, 4, 16, SAMPLEFORMAT_UINT, PHOTOMETRIC_RGB, true}, Bytes16(samples)));
    ASSERT_EQ(ImageType(path.u16string()), FIT_RGBA16);

    Plane p1 = Filled(6), p2 = Filled(6), p3 = Filled(6);
    ASSERT_TRUE(LoadTiffPlanes(path.u16string(), p1.data(), p2.data(), p3.data(), 1.0f, 6));
    EXPECT_EQ(p2, (Plane{110, 111, 112, 100, 101, 102})); // red
    EXPECT_EQ(p1, (Plane{210, 211, 212, 200, 201, 202})); // green
    EXPECT_EQ(p3, (Plane{310, 311, 312, 300, 301, 302})); // blue
}

TEST_F(ReaderFreeImage, SignedAndUnsignedGreyReadTheSameBitsDifferently)
{
    // 3 x 1 pixels (6 bytes a row: FreeImage pads it to 8).
    const std::vector<uint16_t> bits = {0x8000, 0xFFFF, 0x7FFF};
    struct Case {
        uint16_t format;
        int type;
        Plane expected;
    };
    const Case cases[] = {
        {SAMPLEFORMAT_INT, FIT_INT16, {-32768, -1, 32767}},
        {SAMPLEFORMAT_UINT, FIT_UINT16, {32768, 65535, 32767}},
    };
    for (const Case& c : cases) {
        const auto path = folder_ / ("grey" + std::to_string(c.format) + ".tif");
        ASSERT_TRUE(WriteWithLibtiff(path, {3, 1, 1, 16, c.format, PHOTOMETRIC_MINISBLACK, false}, Bytes16(bits)));
        ASSERT_EQ(ImageType(path.u16string()), c.type);
        Plane p1 = Filled(3), p2 = Filled(3), p3 = Filled(3);
        ASSERT_TRUE(LoadTiffPlanes(path.u16string(), p1.data(), p2.data(), p3.data(), 1.0f, 3));
        EXPECT_EQ(p1, c.expected) << "image type " << c.type;
        EXPECT_EQ(p2, Filled(3));
        EXPECT_EQ(p3, Filled(3));
    }
}

TEST_F(ReaderFreeImage, SidesUpTo24000AreAcceptedAndLongerOnesRefused)
{
    struct Case {
        uint32_t width, height;
        bool accepted;
    };
    const Case cases[] = {{24000, 1, true}, {1, 24000, true}, {24001, 1, false}, {1, 24001, false}};
    for (const Case& c : cases) {
        const std::size_t n = std::size_t{c.width} * c.height;
        std::vector<uint16_t> samples(n);
        for (std::size_t i = 0; i < n; ++i)
            samples[i] = static_cast<uint16_t>(i % 60000);
        const auto path = folder_ / "thin.tif";
        ASSERT_TRUE(WriteWithLibtiff(path, {c.width, c.height, 1, 16, SAMPLEFORMAT_UINT, PHOTOMETRIC_MINISBLACK,
                                            false}, Bytes16(samples)));
        Plane p1 = Filled(n), p2 = Filled(n), p3 = Filled(n);
        const bool read = LoadTiffPlanes(path.u16string(), p1.data(), p2.data(), p3.data(), 1.0f,
                                         static_cast<int32_t>(n));
        EXPECT_EQ(read, c.accepted) << c.width << " x " << c.height;
        if (!c.accepted) {
            EXPECT_EQ(p1, Filled(n));
            continue;
        }
        // A single row lands as it is; a single column is mirrored (the file's first row comes last).
        EXPECT_EQ(p1.front(), c.height == 1 ? 0.0f : 23999.0f);
        EXPECT_EQ(p1.back(), c.height == 1 ? 23999.0f : 0.0f);
        EXPECT_EQ(p2, Filled(n));
    }
}

TEST_F(ReaderFreeImage, OtherImageTypesAreRefusedWithThePlanesUntouched)
{
    const auto grey8 = folder_ / "grey8.tif", float32 = folder_ / "float.tif", jpeg = folder_ / "photo.jpg",
               rgb8 = folder_ / "rgb8.tif";
    ASSERT_TRUE(WriteWithLibtiff(grey8, {2, 2, 1, 8, SAMPLEFORMAT_UINT, PHOTOMETRIC_MINISBLACK, false},
                                 {10, 20, 30, 40}));
    const float values[] = {1.5f, 2.5f, 3.5f, 4.5f};
    std::vector<uint8_t> floatBytes(sizeof values);
    std::memcpy(floatBytes.data(), values, sizeof values);
    ASSERT_TRUE(WriteWithLibtiff(float32, {2, 2, 1, 32, SAMPLEFORMAT_IEEEFP, PHOTOMETRIC_MINISBLACK, false},
                                 floatBytes));
    ASSERT_TRUE(WriteWithLibtiff(rgb8, {2, 2, 3, 8, SAMPLEFORMAT_UINT, PHOTOMETRIC_RGB, false},
                                 std::vector<uint8_t>(12, 77)));
    FIBITMAP* picture = FreeImage_Allocate(2, 2, 24);
    ASSERT_NE(picture, nullptr);
    ASSERT_TRUE(FreeImage_Save(FIF_JPEG, picture, jpeg.c_str(), 0));
    FreeImage_Unload(picture);

    for (const auto& path : {grey8, float32, rgb8, jpeg}) {
        ASSERT_NE(ImageType(path.u16string()), -1) << path << " is readable by FreeImage";
        Plane p1 = Filled(4), p2 = Filled(4), p3 = Filled(4);
        EXPECT_FALSE(LoadTiffPlanes(path.u16string(), p1.data(), p2.data(), p3.data(), 1.0f, 4)) << path;
        EXPECT_EQ(p1, Filled(4)) << path;
        EXPECT_EQ(p2, Filled(4)) << path;
        EXPECT_EQ(p3, Filled(4)) << path;
    }
}

TEST_F(ReaderFreeImage, LoadsWriteNothingToStdoutOrStderr)
{
    // Files that make libtiff and FreeImage talk: unknown tags on every TIFF
    // load, a truncated strip, bytes that are no image at all.
    const Plane a = {1, 2, 3, 4};
    ASSERT_TRUE(WriteTiff16(a.data(), a.data(), a.data(), 1.0f, 2, 2, true, folder_.File("ok.tif")));
    std::vector<uint8_t> cut = kv::test::ReadBytes(folder_ / "ok.tif");
    cut.resize(cut.size() - 6);
    kv::test::WriteBytes(folder_ / "cut.tif", cut);
    kv::test::WriteBytes(folder_ / "junk.tif", std::vector<uint8_t>(300, 0x49));

    // The capture itself works: FreeImage alone, without the reader's quieting, does print.
    testing::internal::CaptureStderr();
    FIBITMAP* raw = FreeImage_Load(FIF_TIFF, (folder_ / "ok.tif").c_str(), 0);
    const std::string control = testing::internal::GetCapturedStderr();
    FreeImage_Unload(raw);
    EXPECT_NE(control, "");

    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    Plane p1 = Filled(4), p2 = Filled(4), p3 = Filled(4);
    for (const char* name : {"cut.tif", "junk.tif", "missing.tif", "ok.tif"})
        LoadTiffPlanes(folder_.File(name), p1.data(), p2.data(), p3.data(), 1.0f, 4);
    const std::string err = testing::internal::GetCapturedStderr();
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out, "");
    EXPECT_EQ(err, "");
    EXPECT_EQ(p1, a) << "the last file was read";
}

} // namespace
