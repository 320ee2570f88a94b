#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tools/host/Options.h"

namespace {

using kv::host::HostOptions;
using kv::host::ParseOptions;

std::vector<std::string> Split(const std::string& line)
{
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;)
        words.push_back(w);
    return words;
}

TEST(HostOptions, FullScriptedRun)
{
    const auto parsed = ParseOptions(Split("--plugin p.so --raw 3 2 3 in.raw --folder C:/sn --eight-bit --start "
                                           "--save out.tif --save-raw out.raw --print-log --print-state --commands"));
    ASSERT_TRUE(parsed.options) << parsed.error;
    const HostOptions& o = *parsed.options;
    EXPECT_EQ(o.plugin, "p.so");
    ASSERT_TRUE(o.raw);
    EXPECT_EQ(o.raw->width, 3);
    EXPECT_EQ(o.raw->height, 2);
    EXPECT_EQ(o.raw->channels, 3);
    EXPECT_EQ(o.raw->file, "in.raw");
    EXPECT_FALSE(o.image);
    EXPECT_EQ(o.folder, "C:/sn");
    EXPECT_TRUE(o.eightBit && o.start && o.printLog && o.printState && o.printCommands);
    EXPECT_FALSE(o.interactive || o.help);
    EXPECT_EQ(o.save, "out.tif");
    EXPECT_EQ(o.saveRaw, "out.raw");
}

TEST(HostOptions, MinimalRunAndDefaults)
{
    const auto parsed = ParseOptions({"--plugin", "lib.so"});
    ASSERT_TRUE(parsed.options);
    const HostOptions& o = *parsed.options;
    EXPECT_FALSE(o.image || o.raw || o.folder || o.save || o.saveRaw);
    EXPECT_FALSE(o.eightBit || o.start || o.printLog || o.printState || o.printCommands || o.interactive || o.help);
}

TEST(HostOptions, ValuesAreTakenAsTheyAre)
{
    // A value that looks like an option, an empty folder and a path with spaces.
    const auto parsed = ParseOptions({"--plugin", "my lib.so", "--image", "--start", "--folder", ""});
    ASSERT_TRUE(parsed.options) << parsed.error;
    EXPECT_EQ(parsed.options->plugin, "my lib.so");
    EXPECT_EQ(parsed.options->image, "--start");
    EXPECT_FALSE(parsed.options->start);
    EXPECT_EQ(parsed.options->folder, "");
}

TEST(HostOptions, HelpNeedsNothingElse)
{
    for (const char* flag : {"--help", "-h"}) {
        const auto parsed = ParseOptions({flag});
        ASSERT_TRUE(parsed.options) << flag;
        EXPECT_TRUE(parsed.options->help);
    }
}

TEST(HostOptions, GreyRawAndLargestSides)
{
    const auto parsed = ParseOptions(Split("--plugin p --raw 65535 1 1 f"));
    ASSERT_TRUE(parsed.options) << parsed.error;
    EXPECT_EQ(parsed.options->raw->width, 65535);
    EXPECT_EQ(parsed.options->raw->channels, 1);
}

struct BadLine {
    const char* line;
    const char* error; // a part of the message
};

void PrintTo(const BadLine& b, std::ostream* os)
{
    *os << '"' << b.line << '"';
}

class HostOptionsRefused : public ::testing::TestWithParam<BadLine> {};

TEST_P(HostOptionsRefused, WithAMessage)
{
    const auto parsed = ParseOptions(Split(GetParam().line));
    EXPECT_FALSE(parsed.options);
    EXPECT_NE(parsed.error.find(GetParam().error), std::string::npos) << parsed.error;
    EXPECT_EQ(parsed.error.find('\n'), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Table, HostOptionsRefused,
    ::testing::Values(BadLine{"", "--plugin is required"}, BadLine{"--start", "--plugin is required"},
                      BadLine{"--plugin", "--plugin needs a value"},
                      BadLine{"--plugin a --plugin b", "--plugin given twice"},
                      BadLine{"--plugin p --frobnicate", "unknown option '--frobnicate'"},
                      BadLine{"--plugin p start", "unknown option 'start'"},
                      BadLine{"--plugin p --folder", "--folder needs a value"},
                      BadLine{"--plugin p --save", "--save needs a value"},
                      BadLine{"--plugin p --start --start", "--start given twice"},
                      BadLine{"--plugin p --raw 3 2 3", "--raw needs WIDTH HEIGHT CHANNELS FILE"},
                      BadLine{"--plugin p --raw 0 2 1 f", "WIDTH and HEIGHT"},
                      BadLine{"--plugin p --raw 3 -2 1 f", "WIDTH and HEIGHT"},
                      BadLine{"--plugin p --raw 65536 2 1 f", "WIDTH and HEIGHT"},
                      BadLine{"--plugin p --raw 3x 2 1 f", "WIDTH and HEIGHT"},
                      BadLine{"--plugin p --raw 3 2 2 f", "CHANNELS must be 1 or 3"},
                      BadLine{"--plugin p --raw 3 2 4 f", "CHANNELS must be 1 or 3"},
                      BadLine{"--plugin p --raw 3 2 1 f --raw 3 2 1 g", "--raw given twice"},
                      BadLine{"--plugin p --image a.tif --raw 3 2 1 f", "cannot be used together"},
                      BadLine{"--plugin p --save out.tif", "need an image"},
                      BadLine{"--plugin p --save-raw out.raw", "need an image"},
                      BadLine{"--plugin p --interactive --start", "--interactive cannot be used with --start"}));

} // namespace
