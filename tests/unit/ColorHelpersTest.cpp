// The colour helpers of the owner-drawn controls, on literal values.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "controls/FCGauge.h"
#include "ui/SysColors.h"

namespace kv {
namespace {

TEST(ColorHelpers, AddAndSubtractSaturatePerChannel)
{
    struct Case {
        uint32_t a, b, sum, difference;
    };
    const Case cases[] = {
        {0x102030, 0x010203, 0x112233, 0x0F1E2D},
        {0xF0F0F0, 0x202020, 0xFFFFFF, 0xD0D0D0}, // no carry from one channel into the next
        {0x0000FF, 0x000001, 0x0000FF, 0x0000FE},
        {0x010000, 0x020000, 0x030000, 0x000000}, // no borrow either
        {0xFF123456, 0xEE000000, 0x123456, 0x123456}, // top bytes ignored, result's top byte 0
        {0x808080, 0x808080, 0xFFFFFF, 0x000000},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ColorAddSat(c.a, c.b), c.sum) << std::hex << c.a << " + " << c.b;
        EXPECT_EQ(ColorSubSat(c.a, c.b), c.difference) << std::hex << c.a << " - " << c.b;
    }
}

TEST(ColorHelpers, BlendWeighsWithRoundedFactor)
{
    struct Case {
        uint32_t a, b;
        float x;
        uint32_t expected;
    };
    const Case cases[] = {
        {0x0000FF, 0x000000, 1.0f, 0x0000FF},
        {0x0000FF, 0x000000, 0.0f, 0x000000},
        {0x0000FF, 0x000000, 2.0f, 0x0000FF},  // k limited to 256
        {0x0000FF, 0x000011, -1.0f, 0x000011}, // and to 0
        {0x0000FF, 0x000000, 0.5f, 0x00007F},  // 255 * 128 / 256 = 127.5, rounded down
        // x * 256 = 0.5 rounds to 0 (even), 1.5 to 2.
        {0x000100, 0x000000, 0.5f / 256, 0x000000},
        {0xFFFFFF, 0x000000, 1.5f / 256, 0x010101},
        {0x28D008, 0x3CE62A, 10.0f / 11, 0x29D10B},
        {0xFFFFFFFF, 0xFF000000, 1.0f, 0xFFFFFF},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ColorBlend(c.a, c.b, c.x), c.expected) << std::hex << c.a << " " << c.b << " " << c.x;
    EXPECT_EQ(ColorBlend(0xFFFFFF, 0x000000, std::numeric_limits<float>::quiet_NaN()), 0u);
}

TEST(ColorHelpers, MapRangeClampsAndMaps)
{
    struct Case {
        float lo, hi, v, outLo, outHi, expected;
    };
    const Case cases[] = {
        {0, 100, 50, 1, 327, 164},
        {0, 100, 1, 1, 327, 4.26f},
        {0, 100, -5, 1, 327, 1},
        {0, 100, 150, 1, 327, 327},
        {0, 8, 1, 0, 100, 12.5f},
        {0, 8, 3, 0, 100, 37.5f},
        {5, 5, 5, 0, 100, 0},   // an empty range maps to outLo
        {10, 0, 5, 0, 100, -100}, // lo > hi: v is raised to lo, then lowered to hi: t = -1
        {-10, 10, 0, 100, 0, 50},
    };
    for (const Case& c : cases)
        EXPECT_FLOAT_EQ(MapRange(c.lo, c.hi, c.v, c.outLo, c.outHi), c.expected)
            << c.lo << ".." << c.hi << " " << c.v << " -> " << c.outLo << ".." << c.outHi;
    // t is rounded to float before it is used: 1/3 of 3 in single precision.
    EXPECT_EQ(MapRange(0, 3, 1, 0, 3), static_cast<float>(static_cast<double>(1.0f / 3.0f) * 3.0));
}

TEST(ColorHelpers, ResolveColorLooksUpSystemCodesOnly)
{
    EXPECT_EQ(ResolveColor(0x00123456), 0x123456u);
    EXPECT_EQ(ResolveColor(static_cast<int32_t>(0x8000000F)), ui::SysColor(15));
    EXPECT_EQ(ResolveColor(static_cast<int32_t>(0x80000110)), ui::SysColor(0x10)) << "index is the low byte";
}

} // namespace
} // namespace kv
