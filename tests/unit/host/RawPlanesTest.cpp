#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "support/Files.h"
#include "support/TempFolder.h"
#include "tools/host/RawPlanes.h"

namespace {

using kv::host::HostImage;

TEST(RawPlanes, LittleEndianFloatsPlaneCodeZeroFirst)
{
    // 2 x 1 colour: code 0 = {1, 2}, code 2 = {-1, 0.5}, code 3 = {65535, 0}.
    const std::vector<uint8_t> bytes = {
        0x00, 0x00, 0x80, 0x3F, 0x00, 0x00, 0x00, 0x40, // 1.0, 2.0
        0x00, 0x00, 0x80, 0xBF, 0x00, 0x00, 0x00, 0x3F, // -1.0, 0.5
        0x00, 0xFF, 0x7F, 0x47, 0x00, 0x00, 0x00, 0x00, // 65535.0, 0.0
    };
    HostImage image;
    std::string error;
    ASSERT_TRUE(kv::host::DecodeRawPlanes(bytes, 2, 1, 3, image, error)) << error;
    EXPECT_EQ(image.Plane(0)[0], 1.0f);
    EXPECT_EQ(image.Plane(0)[1], 2.0f);
    EXPECT_EQ(image.Plane(2)[0], -1.0f);
    EXPECT_EQ(image.Plane(2)[1], 0.5f);
    EXPECT_EQ(image.Plane(3)[0], 65535.0f);
    EXPECT_EQ(image.Plane(3)[1], 0.0f);
    EXPECT_EQ(kv::host::EncodeRawPlanes(image), bytes);
}

TEST(RawPlanes, WrongSizesAreRefused)
{
    struct Case {
        std::size_t bytes;
        int32_t width, height;
        int channels;
    };
    for (const Case c : {Case{23, 2, 1, 3}, Case{25, 2, 1, 3}, Case{0, 1, 1, 1}, Case{24, 2, 1, 1}, Case{8, 2, 1, 3}}) {
        HostImage image(1, 1, 1);
        std::string error;
        EXPECT_FALSE(kv::host::DecodeRawPlanes(std::vector<uint8_t>(c.bytes), c.width, c.height, c.channels, image, error));
        EXPECT_NE(error.find("expected"), std::string::npos) << error;
        EXPECT_EQ(image.Width(), 1) << "image left alone";
    }
}

TEST(RawPlanes, FileRoundTripKeepsEveryBit)
{
    kv::test::TempFolder folder;
    HostImage image(5, 3, 1);
    for (std::size_t i = 0; i < image.PixelCount(); ++i)
        image.Plane(0)[i] = static_cast<float>(i) * 1.25f - 3.0f;
    image.Plane(0)[7] = std::numeric_limits<float>::quiet_NaN();
    const auto path = (folder / "grey.raw").string();
    std::string error;
    ASSERT_TRUE(kv::host::WriteRawImage(path, image, error)) << error;
    EXPECT_EQ(kv::test::ReadBytes(path).size(), 5u * 3u * 4u);

    HostImage back;
    ASSERT_TRUE(kv::host::ReadRawImage({5, 3, 1, path}, back, error)) << error;
    EXPECT_EQ(kv::host::EncodeRawPlanes(back), kv::host::EncodeRawPlanes(image));
}

TEST(RawPlanes, MissingFileIsAnError)
{
    kv::test::TempFolder folder;
    HostImage image;
    std::string error;
    EXPECT_FALSE(kv::host::ReadRawImage({1, 1, 1, (folder / "absent.raw").string()}, image, error));
    EXPECT_NE(error.find("absent.raw"), std::string::npos) << error;
}

} // namespace
