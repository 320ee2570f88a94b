#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/starless/Console.h"

namespace {

using kv::starless::Console;

// What a console wrote, one entry per write, with "|" for each pause.
std::vector<std::string> Record(const std::vector<int>& steps)
{
    std::vector<std::string> writes;
    Console console([&](std::string_view text) { writes.emplace_back(text); }, [&] { writes.emplace_back("|"); });
    for (int step : steps) {
        if (step < 0)
            console.Line("line " + std::to_string(-step));
        else
            console.Progress(step);
    }
    return writes;
}

struct ConsoleCase {
    const char* name;
    std::vector<int> steps; // a negative value -k writes "line k"
    std::vector<std::string> writes;
};

class ConsoleFormat : public ::testing::TestWithParam<ConsoleCase> {};

TEST_P(ConsoleFormat, WritesEachMessageAndPercentageByItself)
{
    EXPECT_EQ(Record(GetParam().steps), GetParam().writes);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, ConsoleFormat,
    ::testing::Values(
        ConsoleCase{"LinesOnly", {-1, -2}, {"line 1\n", "line 2\n"}},
        ConsoleCase{"SetupThenProgressThenLine",
                    {-1, 0, 5, 100, -2},
                    {"line 1\n", "|", "0% finished\r", "5% finished\r", "100% finished\r", "|", "line 2\n"}},
        ConsoleCase{"RepeatedAndFallingPercentagesAreDropped",
                    {3, 3, 2, 7},
                    {"|", "3% finished\r", "7% finished\r"}},
        ConsoleCase{"ProgressResumesAfterALine", {10, -1, 20}, {"|", "10% finished\r", "|", "line 1\n", "|", "20% finished\r"}}),
    [](const auto& test) { return std::string(test.param.name); });

// The plug-in takes a percentage from the three characters before the first
// "%" of what one read delivers; each progress write holds exactly one.
TEST(ConsoleFormat, EveryProgressWriteHoldsOnePercentageOfAtMostThreeDigits)
{
    std::vector<int> steps;
    for (int p = 0; p <= 100; ++p)
        steps.push_back(p);
    for (const std::string& w : Record(steps)) {
        if (w == "|")
            continue;
        const auto percent = w.find('%');
        ASSERT_NE(percent, std::string::npos) << w;
        EXPECT_EQ(w.find('%', percent + 1), std::string::npos) << w;
        EXPECT_LE(percent, 3u) << w;
        EXPECT_EQ(w.back(), '\r') << w;
        EXPECT_EQ(w.find('\n'), std::string::npos) << w;
    }
}

} // namespace
