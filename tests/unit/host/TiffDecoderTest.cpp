#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <vector>

#include "image/uImage.h"
#include "support/Files.h"
#include "support/TempFolder.h"
#include "tools/host/TiffDecoder.h"

namespace {

using kv::host::HostImage;

// Builds a small uncompressed TIFF field by field, in either byte order.
struct TiffLayout {
    bool big = false;
    uint32_t width = 3, height = 2, samples = 1, bits = 8, format = 1, photometric = 1;
    uint32_t rowsPerStrip = 0; // 0: one strip
    uint32_t compression = 1, planar = 1;
    std::vector<uint64_t> values; // file order: row 0 first, samples interleaved
};

class Builder {
public:
    explicit Builder(bool big) : big_(big) {}
    void Put(uint64_t v, int size)
    {
        for (int i = 0; i < size; ++i)
            bytes.push_back(static_cast<uint8_t>(v >> (8 * (big_ ? size - 1 - i : i))));
    }
    void PutAt(std::size_t at, uint64_t v, int size)
    {
        for (int i = 0; i < size; ++i)
            bytes[at + static_cast<std::size_t>(i)] = static_cast<uint8_t>(v >> (8 * (big_ ? size - 1 - i : i)));
    }
    std::vector<uint8_t> bytes;

private:
    bool big_;
};

std::vector<uint8_t> MakeTiff(const TiffLayout& s)
{
    Builder b(s.big);
    b.bytes = {static_cast<uint8_t>(s.big ? 'M' : 'I'), static_cast<uint8_t>(s.big ? 'M' : 'I')};
    b.Put(42, 2);
    b.Put(8, 4);
    const uint32_t rps = s.rowsPerStrip == 0 ? s.height : s.rowsPerStrip;
    const uint32_t strips = (s.height + rps - 1) / rps;
    const uint32_t rowBytes = s.width * s.samples * s.bits / 8;
    struct Field {
        uint16_t tag, type;
        std::vector<uint32_t> v;
    };
    std::vector<uint32_t> bits(s.samples, s.bits), formats(s.samples, s.format), offsets(strips), counts(strips);
    for (uint32_t i = 0; i < strips; ++i)
        counts[i] = std::min(rps, s.height - i * rps) * rowBytes;
    const std::vector<Field> fields = {
        {256, 4, {s.width}},  {257, 4, {s.height}},  {258, 3, bits},         {259, 3, {s.compression}},
        {262, 3, {s.photometric}}, {273, 4, offsets}, {277, 3, {s.samples}}, {278, 4, {rps}},
        {279, 4, counts},     {284, 3, {s.planar}},  {339, 3, formats},
    };
    b.Put(fields.size(), 2);
    std::vector<std::pair<std::size_t, const Field*>> outOfLine;
    std::size_t offsetsAt = 0;
    for (const Field& f : fields) {
        b.Put(f.tag, 2);
        b.Put(f.type, 2);
        b.Put(f.v.size(), 4);
        const int size = f.type == 3 ? 2 : 4;
        if (f.v.size() * static_cast<std::size_t>(size) <= 4) {
            const std::size_t at = b.bytes.size();
            b.Put(0, 4);
            for (std::size_t i = 0; i < f.v.size(); ++i)
                b.PutAt(at + i * static_cast<std::size_t>(size), f.v[i], size);
            if (f.tag == 273)
                offsetsAt = at;
        } else {
            outOfLine.emplace_back(b.bytes.size(), &f);
            b.Put(0, 4);
        }
    }
    b.Put(0, 4);
    for (auto [at, f] : outOfLine) {
        b.PutAt(at, b.bytes.size(), 4);
        if (f->tag == 273)
            offsetsAt = b.bytes.size();
        for (uint32_t v : f->v)
            b.Put(v, f->type == 3 ? 2 : 4);
    }
    for (uint32_t i = 0; i < strips; ++i)
        b.PutAt(offsetsAt + i * 4, b.bytes.size() + i * rps * rowBytes, 4);
    for (uint64_t v : s.values)
        b.Put(v, static_cast<int>(s.bits / 8));
    return b.bytes;
}

std::vector<float> PlaneOf(const HostImage& image, intptr_t code)
{
    return std::vector<float>(image.Plane(code), image.Plane(code) + image.PixelCount());
}

TEST(TiffDecoder, GreyEightBitLastFileRowIsPlaneRowZero)
{
    for (bool big : {false, true}) {
        TiffLayout s;
        s.big = big;
        s.values = {10, 20, 30, 40, 50, 255};
        HostImage image;
        std::string error;
        ASSERT_TRUE(kv::host::DecodeTiff(MakeTiff(s), image, error)) << error;
        EXPECT_FALSE(image.IsColor());
        EXPECT_EQ(image.Width(), 3);
        EXPECT_EQ(image.Height(), 2);
        EXPECT_EQ(PlaneOf(image, 0), (std::vector<float>{40, 50, 255, 10, 20, 30})) << "big " << big;
    }
}

TEST(TiffDecoder, RgbSixteenBitGoesToCodesTwoZeroThree)
{
    for (bool big : {false, true}) {
        TiffLayout s;
        s.big = big;
        s.width = 2;
        s.height = 1;
        s.samples = 3;
        s.bits = 16;
        s.photometric = 2;
        s.values = {1000, 2000, 3000, 65535, 0, 300}; // R G B, R G B
        HostImage image;
        std::string error;
        ASSERT_TRUE(kv::host::DecodeTiff(MakeTiff(s), image, error)) << error;
        ASSERT_TRUE(image.IsColor());
        EXPECT_EQ(PlaneOf(image, 2), (std::vector<float>{1000, 65535}));
        EXPECT_EQ(PlaneOf(image, 0), (std::vector<float>{2000, 0}));
        EXPECT_EQ(PlaneOf(image, 3), (std::vector<float>{3000, 300}));
    }
}

TEST(TiffDecoder, ThirtyTwoBitFloatSignedAndUnsigned)
{
    struct Case {
        uint32_t format;
        uint64_t raw;
        float value;
    };
    for (const Case c : {Case{3, std::bit_cast<uint32_t>(1234.5f), 1234.5f}, Case{3, std::bit_cast<uint32_t>(-0.25f), -0.25f},
                         Case{1, 4000000000u, 4000000000.0f}, Case{2, 0xFFFFFFFEu, -2.0f}}) {
        TiffLayout s;
        s.width = 1;
        s.height = 1;
        s.bits = 32;
        s.format = c.format;
        s.values = {c.raw};
        HostImage image;
        std::string error;
        ASSERT_TRUE(kv::host::DecodeTiff(MakeTiff(s), image, error)) << error;
        EXPECT_EQ(image.Plane(0)[0], c.value) << c.format;
    }
}

TEST(TiffDecoder, SeveralStrips)
{
    TiffLayout s;
    s.width = 2;
    s.height = 5;
    s.bits = 16;
    s.rowsPerStrip = 2; // strips of 2, 2 and 1 rows
    s.values = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    HostImage image;
    std::string error;
    ASSERT_TRUE(kv::host::DecodeTiff(MakeTiff(s), image, error)) << error;
    EXPECT_EQ(PlaneOf(image, 0), (std::vector<float>{9, 10, 7, 8, 5, 6, 3, 4, 1, 2}));
}

TEST(TiffDecoder, ReadsWhatTheExchangeWriterWrites)
{
    kv::test::TempFolder folder;
    const std::vector<float> green = {1, 2, 3, 4, 5, 6}, red = {100, 200, 300, 400, 500, 600},
                             blue = {1000, 2000, 3000, 4000, 5000, 60000};
    ASSERT_TRUE(WriteTiff16(green.data(), red.data(), blue.data(), 1.0f, 3, 2, true, folder.File("rgb.tif")));
    HostImage image;
    std::string error;
    ASSERT_TRUE(kv::host::DecodeTiff(kv::test::ReadBytes(folder / "rgb.tif"), image, error)) << error;
    EXPECT_EQ(PlaneOf(image, 0), green);
    EXPECT_EQ(PlaneOf(image, 2), red);
    EXPECT_EQ(PlaneOf(image, 3), blue);
}

struct Broken {
    const char* name;
    std::vector<uint8_t> bytes;
    const char* error;
};

TiffLayout Grey()
{
    TiffLayout s;
    s.values = {1, 2, 3, 4, 5, 6};
    return s;
}

std::vector<uint8_t> With(void (*change)(TiffLayout&))
{
    TiffLayout s = Grey();
    change(s);
    return MakeTiff(s);
}

TEST(TiffDecoder, RefusesWhatItCannotReadAndLeavesTheImage)
{
    std::vector<uint8_t> cut = MakeTiff(Grey());
    cut.pop_back();
    std::vector<uint8_t> badDirectory = MakeTiff(Grey());
    badDirectory[4] = 0xF0; // directory offset far past the end
    const std::vector<Broken> cases = {
        {"empty", {}, "not a TIFF"},
        {"png", {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}, "not a TIFF"},
        {"bigtiff", {'I', 'I', 43, 0, 8, 0, 0, 0}, "not a classic TIFF"},
        {"directory outside", badDirectory, "outside the file"},
        {"strip cut short", cut, "cut short"},
        {"compressed", With([](TiffLayout& s) { s.compression = 5; }), "compressed"},
        {"planar", With([](TiffLayout& s) { s.planar = 2; }), "chunky"},
        {"white is zero", With([](TiffLayout& s) { s.photometric = 0; }), "photometric"},
        {"two samples", With([](TiffLayout& s) { s.samples = 2; s.values.resize(12); }), "1 or 3 samples"},
        {"four bits", With([](TiffLayout& s) { s.bits = 4; s.values.clear(); }), "bits per sample"},
        {"16-bit float", With([](TiffLayout& s) { s.bits = 16; s.format = 3; }), "sample format"},
        {"zero width", With([](TiffLayout& s) { s.width = 0; s.values.clear(); }), "image size"},
        // Sizes whose byte count overflows 64 bits must not pass the bounds check.
        {"huge", With([](TiffLayout& s) { s.width = 0x7FFFFFFF; s.height = 0x7FFFFFFF; s.samples = 3; s.bits = 32;
                                        s.photometric = 2; s.values.clear(); }),
         "larger than the file"},
        {"tall", With([](TiffLayout& s) { s.width = 1; s.height = 0x7FFFFFFF; s.values.clear(); }), "larger than the file"},
    };
    for (const Broken& c : cases) {
        HostImage image(1, 1, 1);
        std::string error;
        EXPECT_FALSE(kv::host::DecodeTiff(c.bytes, image, error)) << c.name;
        EXPECT_NE(error.find(c.error), std::string::npos) << c.name << ": " << error;
        EXPECT_EQ(image.Width(), 1) << c.name;
    }
}

} // namespace
