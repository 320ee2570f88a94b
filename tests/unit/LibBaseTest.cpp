#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "base/LibBase.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct ClampCase {
    double value, low, high;
    int64_t expected;
};

void PrintTo(const ClampCase& c, std::ostream* os) { *os << c.value << " in [" << c.low << ", " << c.high << "]"; }

class ClampRoundTable : public testing::TestWithParam<ClampCase> {};

TEST_P(ClampRoundTable, ClampsThenRoundsHalvesToEven)
{
    const auto& c = GetParam();
    EXPECT_EQ(ClampRound(c.value, c.low, c.high), c.expected) << c.value << " in [" << c.low << ", " << c.high << "]";
}

INSTANTIATE_TEST_SUITE_P(
    Samples, ClampRoundTable,
    testing::Values(ClampCase{70000, 0, 65535, 65535}, ClampCase{-3.2, 0, 65535, 0}, ClampCase{0.5, 0, 65535, 0},
                    ClampCase{1.5, 0, 65535, 2}, ClampCase{2.5, 0, 65535, 2}, ClampCase{3.5, 0, 65535, 4},
                    ClampCase{65534.5, 0, 65535, 65534}, ClampCase{65535.4, 0, 65535, 65535},
                    ClampCase{65535.6, 0, 65535, 65535}, ClampCase{0.49999999999999994, 0, 65535, 0},
                    ClampCase{-0.5, -10, 10, 0}, ClampCase{-1.5, -10, 10, -2}, ClampCase{1e300, 0, 65535, 65535},
                    ClampCase{-std::numeric_limits<double>::infinity(), 0, 65535, 0},
                    ClampCase{std::numeric_limits<double>::infinity(), 0, 65535, 65535}));

INSTANTIATE_TEST_SUITE_P(LowAppliedLast, ClampRoundTable,
                         testing::Values(ClampCase{7, 10, 0, 10}, ClampCase{-7, 10, 0, 10}, ClampCase{100, 10, 0, 10},
                                         ClampCase{kNaN, 0, 65535, 0}, ClampCase{kNaN, 10, 0, 10}));

struct RangeCase {
    float value, low, high;
    bool expected;
};

void PrintTo(const RangeCase& c, std::ostream* os) { *os << c.value << " in [" << c.low << ", " << c.high << "]"; }

class InRangeFTable : public testing::TestWithParam<RangeCase> {};

TEST_P(InRangeFTable, IncludesBothBounds)
{
    const auto& c = GetParam();
    EXPECT_EQ(InRangeF(c.value, c.low, c.high), c.expected) << c.value;
}

INSTANTIATE_TEST_SUITE_P(
    Samples, InRangeFTable,
    testing::Values(RangeCase{50.0f, 50, 256, true}, RangeCase{256.0f, 50, 256, true}, RangeCase{128.0f, 50, 256, true},
                    RangeCase{49.99999f, 50, 256, false}, RangeCase{std::nextafter(256.0f, 1000.0f), 50, 256, false},
                    RangeCase{std::numeric_limits<float>::quiet_NaN(), 50, 256, false},
                    RangeCase{100.0f, 256, 50, false}, RangeCase{50.0f, 50, 50, true}));

} // namespace
