// A Start press end to end: the real plug-in in the reference host, the
// scripted stand-in tool behind the command interpreter (natively /bin/sh,
// under Wine cmd.exe).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>

#include "RoundTrip.h"
#include "support/Files.h"

namespace {

namespace fs = std::filesystem;
using kv::test::GaugeLine;
using kv::test::RoundTrip;

std::vector<std::string> FileLines(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

fs::path Utf8Path(const std::string& s) { return fs::path(std::u8string(s.begin(), s.end())); }

TEST(RoundTrip, ToolsOutputReachesTheHostsPlanes)
{
    RoundTrip trip;
    const auto image = kv::test::PatternImage(512, 512, 3, 30000.0f);
    // The tool's result: another asymmetric image, so that swapped colours or
    // mirrored rows would show.
    const auto result = kv::test::PatternImage(512, 512, 3, 12345.0f, 4321.0f);
    kv::test::WriteBytes(trip.ToolFile("result.tif"), kv::test::ExchangeBytes(result));
    trip.Script("keep seen-input.tif\n"
                "write   Reading image...\\r\\n\n"
                "pause 200\n"
                "write 10%\n"
                "pause 200\n"
                "write Tile 1 of 2\\r\\n\n"
                "pause 200\n"
                "write  50%\\r\n"
                "pause 200\n"
                "write 100%\n"
                "pause 200\n"
                "result result.tif\n"
                "write Done.\\r\\n\n");

    const auto r = trip.Press(image, trip.ToolFolder());

    EXPECT_EQ(r.commands, (std::vector<int>{16, 1, 0, 0, 0, 8, 2}));
    EXPECT_EQ(r.log, (std::vector<std::string>{"Opening Starnet++ ...", "Reading image...", "Tile 1 of 2", "Done."}));
    EXPECT_EQ(kv::test::ReadBytes(trip.ToolFile("seen-input.tif")), kv::test::ExchangeBytes(image));
    for (intptr_t code : {0, 2, 3})
        for (std::size_t i = 0; i < image.PixelCount(); ++i)
            ASSERT_EQ(r.image.Plane(code)[i], result.Plane(code)[i]) << "plane " << code << " value " << i;
    EXPECT_EQ(r.gauge, (std::vector<GaugeLine>{{10, false}, {50, false}, {100, false}, {0, false}}));
    EXPECT_TRUE(r.startEnabledAfter);
    EXPECT_EQ(trip.LeftOverImages(), std::vector<fs::path>{});
}

struct CommandLineCase {
    const char* name;
    std::string tempName; // the user's temporary folder, inside the test's folder
    std::string before;   // typed before and after the tool's folder
    std::string after;
};

void PrintTo(const CommandLineCase& c, std::ostream* os) { *os << c.name; }

class ToolCommandLine : public ::testing::TestWithParam<CommandLineCase> {};

TEST_P(ToolCommandLine, ArrivesAsTwoWholePathsInTheToolsFolder)
{
    const CommandLineCase& c = GetParam();
    RoundTrip trip(c.tempName);
    trip.Script("args tool-args.txt\ncopy\n");
    const auto image = kv::test::PatternImage(16, 16, 1, 20000.0f);
    const auto r = trip.Press(image, c.before + trip.ToolFolder() + c.after, false, {});

    // Input, output, current folder.
    const auto seen = FileLines(trip.ToolFile("tool-args.txt"));
    ASSERT_EQ(seen.size(), 3u) << r.process.out;
    const fs::path input = Utf8Path(seen[0]);
    const fs::path output = Utf8Path(seen[1]);
    EXPECT_TRUE(std::regex_match(input.filename().string(), std::regex("Temp-?[0-9]{3}-?[0-9]{3}[0-9]{4}\\.tif")))
        << seen[0];
    EXPECT_EQ(output.filename().string(), "Out" + input.filename().string());
    EXPECT_EQ(output.parent_path(), input.parent_path());
    // The plug-in's temporary folder is the user's one or a private one inside it.
    const auto tempText = trip.Temp().lexically_normal().u8string();
    EXPECT_EQ(input.lexically_normal().u8string().rfind(tempText, 0), 0u) << seen[0];
    EXPECT_EQ((Utf8Path(seen[2]) / "").lexically_normal(), trip.ToolFile("").lexically_normal()) << seen[2];
    EXPECT_EQ(r.log, (std::vector<std::string>{"Opening Starnet++ ...", "WARNING: Minimum image size is 512x512 pixels."}));
    EXPECT_EQ(trip.LeftOverImages(), std::vector<fs::path>{});
}

INSTANTIATE_TEST_SUITE_P(Folders, ToolCommandLine,
                         ::testing::Values(CommandLineCase{"AsItIs", "Temp", "", ""},
                                           CommandLineCase{"BlanksAndTabsAround", "Temp", "  \t", " \t "},
                                           CommandLineCase{"NonAsciiTemporaryFolder", "J\xC3\xB6rg/Temp", "", ""}),
                         [](const auto& tp) { return std::string(tp.param.name); });

} // namespace
