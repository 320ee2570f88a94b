// The interactive host's display stretch: channel order, row order, row
// padding, black and white points, flat and NaN pixels.
#include <gtest/gtest.h>

#include <cmath>

#include "tools/host/DisplayStretch.h"

namespace kv::host {
namespace {

uint8_t At(const DisplayBitmap& b, int32_t x, int32_t y, int channel)
{
    return b.bgr[static_cast<std::size_t>(y) * static_cast<std::size_t>(b.stride) + static_cast<std::size_t>(x) * 3 +
                 static_cast<std::size_t>(channel)];
}

TEST(DisplayStretch, ColourPlanesGoToBlueGreenRedAndRowsKeepTheirOrder)
{
    // 5 x 4: padding shows (15 bytes a row, stride 16); one bright pixel per
    // plane at its own place, everything else dark.
    HostImage image(5, 4, 3);
    for (intptr_t code : {0, 2, 3})
        for (std::size_t i = 0; i < image.PixelCount(); ++i)
            image.Plane(code)[i] = 1000.0f;
    image.Plane(0)[1 * 5 + 1] = 60000.0f; // green at (1, 1)
    image.Plane(2)[2 * 5 + 3] = 60000.0f; // red at (3, 2)
    image.Plane(3)[3 * 5 + 4] = 60000.0f; // blue at (4, 3)

    const DisplayBitmap b = MakeDisplayBitmap(image);
    ASSERT_EQ(b.width, 5);
    ASSERT_EQ(b.height, 4);
    EXPECT_EQ(b.stride, 16);
    ASSERT_EQ(b.bgr.size(), 64u);
    EXPECT_EQ(At(b, 1, 1, 1), 255);
    EXPECT_EQ(At(b, 1, 1, 0), 0);
    EXPECT_EQ(At(b, 1, 1, 2), 0);
    EXPECT_EQ(At(b, 3, 2, 2), 255);
    EXPECT_EQ(At(b, 3, 2, 1), 0);
    EXPECT_EQ(At(b, 4, 3, 0), 255);
    EXPECT_EQ(At(b, 4, 3, 2), 0);
    EXPECT_EQ(At(b, 0, 0, 0), 0);
    EXPECT_EQ(b.bgr[15], 0) << "padding byte";
}

struct GreyCase {
    const char* name;
    float fill;       // every pixel
    float special;    // pixel 0
    uint8_t expectedFill;
    uint8_t expectedSpecial;
};

class DisplayStretchGrey : public ::testing::TestWithParam<GreyCase> {};

TEST_P(DisplayStretchGrey, ShadesAsExpected)
{
    const GreyCase& c = GetParam();
    HostImage image(10, 10, 1);
    for (std::size_t i = 0; i < image.PixelCount(); ++i)
        image.Plane(0)[i] = c.fill;
    image.Plane(0)[0] = c.special;
    const DisplayBitmap b = MakeDisplayBitmap(image);
    EXPECT_EQ(At(b, 0, 0, 0), c.expectedSpecial);
    EXPECT_EQ(At(b, 0, 0, 1), c.expectedSpecial) << "grey: every channel alike";
    EXPECT_EQ(At(b, 5, 5, 2), c.expectedFill);
}

INSTANTIATE_TEST_SUITE_P(Cases, DisplayStretchGrey,
                         ::testing::Values(GreyCase{"flat", 7000.0f, 7000.0f, 128, 128},
                                           GreyCase{"one star on flat sky", 7000.0f, 65535.0f, 0, 255},
                                           GreyCase{"one hole in flat sky", 7000.0f, 0.0f, 255, 0},
                                           GreyCase{"nan", 7000.0f, NAN, 128, 0}),
                         [](const ::testing::TestParamInfo<GreyCase>& tested) {
                             std::string name = tested.param.name;
                             for (char& ch : name)
                                 if (ch == ' ')
                                     ch = '_';
                             return name;
                         });

TEST(DisplayStretch, GradientRunsFromBlackToWhite)
{
    HostImage image(1000, 1, 1);
    for (int32_t x = 0; x < 1000; ++x)
        image.Plane(0)[x] = static_cast<float>(x * 60);
    const DisplayBitmap b = MakeDisplayBitmap(image);
    EXPECT_EQ(At(b, 0, 0, 0), 0);
    EXPECT_EQ(At(b, 999, 0, 0), 255);
    // Halfway up the gradient, a gamma of 1/2.2 shows about 186 of 255.
    EXPECT_NEAR(At(b, 500, 0, 0), 186, 2);
    for (int32_t x = 1; x < 1000; ++x)
        EXPECT_GE(At(b, x, 0, 0), At(b, x - 1, 0, 0)) << x;
}

} // namespace
} // namespace kv::host
