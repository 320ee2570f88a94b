// The tool's console protocol on literal bytes: what each chunk puts into the
// log or the gauge.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "dialog/TempNames.h"
#include "dialog/ToolOutput.h"

namespace {

struct ChunkCase {
    const char* name;
    std::string bytes;
    std::optional<std::u16string> entry;
    std::optional<int32_t> progress;
};

void PrintTo(const ChunkCase& c, std::ostream* os) { *os << c.name; }

class ToolChunk : public ::testing::TestWithParam<ChunkCase> {};

TEST_P(ToolChunk, GivesItsLogEntryOrPercentage)
{
    const ChunkCase& c = GetParam();
    const kv::ChunkEffect effect = kv::ReadToolChunk(c.bytes);
    EXPECT_EQ(effect.logEntry, c.entry);
    EXPECT_EQ(effect.progress, c.progress);
}

using namespace std::string_literals;

INSTANTIATE_TEST_SUITE_P(
    Chunks, ToolChunk,
    ::testing::Values(
        ChunkCase{"BlanksAndLineBreakTrimmed", "  Reading image...\r\n", u"Reading image...", std::nullopt},
        ChunkCase{"TwoLinesAreOneEntry", "Tile 1 of 4\r\nTile 2 of 4\r\n", u"Tile 1 of 4\r\nTile 2 of 4", std::nullopt},
        ChunkCase{"PercentageLogsNothing", " 45% done", std::nullopt, 45},
        ChunkCase{"OnlyTheFirstPercentageCounts", "10%\r20%\r", std::nullopt, 10},
        ChunkCase{"BlanksOnlyDoNothing", "  \r\n\t \r\n", std::nullopt, std::nullopt},
        ChunkCase{"FirstHalfOfFiftyIsText", "5", u"5", std::nullopt},
        ChunkCase{"SecondHalfOfFiftyIsZero", "0%", std::nullopt, 0},
        ChunkCase{"ZeroByteCutsTheText", "done\0 and more"s, u"done", std::nullopt},
        ChunkCase{"ZeroByteBeforeThePercentage", "step\0 50%"s, u"step", std::nullopt},
        ChunkCase{"ThreeCharactersOnly", "1000%", std::nullopt, 0},
        ChunkCase{"Hundred", "100%", std::nullopt, 100},
        ChunkCase{"DecimalIsNoInteger", "12.5%", std::nullopt, std::nullopt},
        ChunkCase{"NegativeIsIgnored", "-5%", std::nullopt, std::nullopt},
        ChunkCase{"LonePercentSign", "%", std::nullopt, std::nullopt},
        ChunkCase{"PlusSign", "+7%", std::nullopt, 7},
        ChunkCase{"DollarHexadecimal", "$1F%", std::nullopt, 31},
        ChunkCase{"ZeroXHexadecimalSeesOnlyX1F", "0x1F%", std::nullopt, 31},
        ChunkCase{"TextAroundAPercentageIsDropped", "Tiles  7% of 40", std::nullopt, 7},
        ChunkCase{"TextInTheThreeCharacters", "Processing: 7%", std::nullopt, std::nullopt},
        ChunkCase{"WordBeforePercentage", "abc%", std::nullopt, std::nullopt}),
    [](const auto& tp) { return std::string(tp.param.name); });

struct IntegerCase {
    const char16_t* text;
    int32_t value;
};

TEST(ToolIntegerField, ReadsSignedDecimalAndPrefixedHexadecimal)
{
    const IntegerCase cases[] = {
        {u"0", 0},    {u"42", 42}, {u"+7", 7},   {u"-5", -5},   {u"$1F", 31}, {u"x1f", 31}, {u"X0A", 10},
        {u"0x1F", 31}, {u"-$A", -10}, {u"", -1}, {u"+", -1},    {u"$", -1},   {u"0x", -1},  {u"2.5", -1},
        {u"1g", -1},  {u"$G", -1}, {u"1 2", -1}, {u"--1", -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(kv::ToIntegerOr(c.text, -1), c.value) << std::string(c.text, c.text + std::char_traits<char16_t>::length(c.text));
}

struct NameCase {
    int32_t left;
    int32_t top;
    uint32_t tick;
    const char16_t* name;
};

TEST(TempImageName, FormatsPositionAndShiftedTickCount)
{
    const NameCase cases[] = {
        {1312, 245, 123456789u, u"Temp3122456049.tif"},
        {0, 0, 0u, u"Temp0000000000.tif"},
        {7, 45, 15u, u"Temp0070450000.tif"},       // 15 >> 4 is 0
        {-5, -1312, 160u, u"Temp-005-3120010.tif"}, // remainders keep the sign
        {999, 1000, 0xFFFFFFFFu, u"Temp9990005455.tif"}, // (2^28 - 1) mod 10000, on the unsigned count
    };
    for (const auto& c : cases)
        EXPECT_EQ(kv::TempImageName(c.left, c.top, c.tick), c.name) << c.left << "," << c.top << "," << c.tick;
}

} // namespace
