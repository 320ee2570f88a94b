// starnet++.exe (the stand-in star remover) and sky, run as programs.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "support/Files.h"
#include "support/Process.h"
#include "support/TempFolder.h"
#include "tools/host/TiffDecoder.h"
#include "tools/sky/Sky.h"
#include "tools/sky/SkyFiles.h"

namespace {

namespace fs = std::filesystem;
using kv::test::ProcessResult;
using kv::test::TempFolder;

class StarlessTool : public ::testing::Test {
protected:
    ProcessResult Tool(const std::vector<std::string>& args) { return kv::test::RunProgram(KV_STARLESS_EXE, args, scratch_.Path()); }
    std::string Path(const std::string& name) const { return (files_ / name).string(); }

    void WriteSky(const std::string& name, bool color, int32_t w = 200, int32_t h = 150)
    {
        const kv::sky::Sky sky = kv::sky::GenerateSky(kv::sky::SkyOptions{w, h, color, 3, true});
        ASSERT_TRUE(kv::sky::WriteSkyTiff(sky.image, sky.width, sky.height, files_ / name));
    }

    TempFolder scratch_;
    TempFolder files_;
};

struct FailureCase {
    const char* name;
    std::vector<std::string> args; // "IN" / "OUT" / "DIR" stand for files in the test folder
    int exitCode;
    const char* message;
};

class StarlessToolFailure : public StarlessTool, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(StarlessToolFailure, SaysWhyExitsNonZeroAndLeavesNoOutput)
{
    WriteSky("in.tif", false, 64, 64);
    kv::test::WriteBytes(files_ / "text.tif", {'h', 'e', 'l', 'l', 'o', ' ', 't', 'i', 'f', 'f', '\n'});
    fs::create_directory(files_ / "folder");
    std::vector<std::string> args;
    for (const std::string& a : GetParam().args) {
        if (a == "IN")
            args.push_back(Path("in.tif"));
        else if (a == "TEXT")
            args.push_back(Path("text.tif"));
        else if (a == "MISSING")
            args.push_back(Path("missing.tif"));
        else if (a == "DIR")
            args.push_back(Path("folder"));
        else if (a == "OUT")
            args.push_back(Path("out.tif"));
        else if (a == "OUT_IN_MISSING_DIR")
            args.push_back(Path("no-such-folder/out.tif"));
        else
            args.push_back(a);
    }
    const ProcessResult r = Tool(args);
    EXPECT_EQ(r.exitCode, GetParam().exitCode) << r.out << r.err;
    EXPECT_NE(r.err.find(GetParam().message), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(files_ / "out.tif"));
    EXPECT_FALSE(fs::exists(files_ / "no-such-folder"));
    EXPECT_TRUE(fs::is_directory(files_ / "folder"));
    for (const auto& entry : fs::directory_iterator(files_.Path()))
        EXPECT_EQ(entry.path().string().find(".partial"), std::string::npos) << entry.path();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StarlessToolFailure,
    ::testing::Values(FailureCase{"NoArguments", {}, 2, "usage: starnet++.exe"},
                      FailureCase{"OneArgument", {"IN"}, 2, "usage: starnet++.exe"},
                      FailureCase{"FourArguments", {"IN", "OUT", "256", "x"}, 2, "usage: starnet++.exe"},
                      FailureCase{"StrideNotANumber", {"IN", "OUT", "wide"}, 2, "stride must be a whole number"},
                      FailureCase{"StrideTooSmall", {"IN", "OUT", "0"}, 2, "stride must be a whole number"},
                      FailureCase{"MissingInput", {"MISSING", "OUT"}, 1, "cannot read the input file"},
                      FailureCase{"InputIsAFolder", {"DIR", "OUT"}, 1, "cannot read the input file"},
                      FailureCase{"InputIsNotATiff", {"TEXT", "OUT"}, 1, "cannot use the input file"},
                      FailureCase{"OutputFolderMissing", {"IN", "OUT_IN_MISSING_DIR"}, 1, "cannot write the output file"},
                      FailureCase{"OutputIsAFolder", {"IN", "DIR"}, 1, "cannot write the output file"}),
    [](const auto& test) { return std::string(test.param.name); });

class StarlessToolRun : public StarlessTool, public ::testing::WithParamInterface<bool> {};

// The console output in the order the plug-in's log and gauge expect it, and
// an output of the input's size and channels.
TEST_P(StarlessToolRun, PrintsSetupProgressAndWritesTheResult)
{
    const bool color = GetParam();
    WriteSky("in.tif", color);
    kv::test::WriteBytes(files_ / "out.tif", {'o', 'l', 'd'}); // replaced
    const ProcessResult r = Tool({Path("in.tif"), Path("out.tif"), "64"});
    ASSERT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_EQ(r.err, "");

    const std::string channels = color ? "3" : "1";
    const std::regex format("Reading input image\\.\\.\\.\nWidth: 200, height: 150, channels: " + channels +
                            "\nTotal number of tiles: 12\n((\\d{1,3})% finished\r)+Writing output image\\.\\.\\.\nDone: \\d+ stars removed\\.\n");
    EXPECT_TRUE(std::regex_match(r.out, format)) << r.out;
    std::vector<int> percents;
    const std::regex progress("(\\d+)% finished\r");
    for (auto it = std::sregex_iterator(r.out.begin(), r.out.end(), progress); it != std::sregex_iterator(); ++it)
        percents.push_back(std::stoi((*it)[1]));
    ASSERT_GE(percents.size(), 3u);
    EXPECT_EQ(percents.front(), 0);
    EXPECT_EQ(percents.back(), 100);
    EXPECT_TRUE(std::adjacent_find(percents.begin(), percents.end(), std::greater_equal<int>()) == percents.end());

    kv::host::HostImage in, out;
    std::string error;
    ASSERT_TRUE(kv::host::DecodeTiff(kv::test::ReadBytes(files_ / "in.tif"), in, error)) << error;
    ASSERT_TRUE(kv::host::DecodeTiff(kv::test::ReadBytes(files_ / "out.tif"), out, error)) << error;
    EXPECT_EQ(out.Width(), 200);
    EXPECT_EQ(out.Height(), 150);
    EXPECT_EQ(out.Channels(), in.Channels());
    // Stars were taken away: the brightest value fell, most pixels stayed.
    const float* a = in.Plane(0);
    const float* b = out.Plane(0);
    std::size_t same = 0;
    for (std::size_t i = 0; i < in.PixelCount(); ++i)
        same += a[i] == b[i];
    EXPECT_GT(same, in.PixelCount() / 2);
    EXPECT_LT(*std::max_element(b, b + out.PixelCount()), *std::max_element(a, a + in.PixelCount()));
    EXPECT_FALSE(fs::exists(files_ / "out.tif.partial"));
}

INSTANTIATE_TEST_SUITE_P(GreyAndColour, StarlessToolRun, ::testing::Values(false, true),
                         [](const auto& test) { return test.param ? "Rgb" : "Grey"; });

TEST(SkyTool, WritesImageTruthAndStarListAndRefusesBadArguments)
{
    TempFolder scratch, files;
    const auto file = [&](const char* name) { return (files.Path() / name).string(); };
    const ProcessResult bad = kv::test::RunProgram(KV_SKY_EXE, {"100", "80", "blue", "1", file("i.tif"), file("t.tif"), file("s.txt")}, scratch.Path());
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_NE(bad.err.find("usage: sky"), std::string::npos) << bad.err;
    EXPECT_FALSE(fs::exists(files.Path() / "i.tif"));

    const ProcessResult ok = kv::test::RunProgram(KV_SKY_EXE, {"100", "80", "rgb", "1", file("i.tif"), file("t.tif"), file("s.txt")}, scratch.Path());
    ASSERT_EQ(ok.exitCode, 0) << ok.err;
    EXPECT_EQ(fs::file_size(files.Path() / "i.tif"), 128u + 100u * 80u * 6u);
    EXPECT_EQ(fs::file_size(files.Path() / "t.tif"), 128u + 100u * 80u * 6u);
    const std::vector<uint8_t> list = kv::test::ReadBytes(files.Path() / "s.txt");
    const std::string text(list.begin(), list.end());
    EXPECT_EQ(text.rfind("# x y peak fwhm", 0), 0u) << text.substr(0, 80);
    EXPECT_GT(std::count(text.begin(), text.end(), '\n'), 2);
}

} // namespace
