// kelvoran-host end to end, with the test plug-in standing in for the real one
// (natively through its automation exports, on Windows through its windows).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "image/uImage.h"
#include "support/Files.h"
#include "support/Process.h"
#include "support/TempFolder.h"
#include "tools/host/RawPlanes.h"
#include "tools/host/TiffDecoder.h"

namespace {

using kv::host::HostImage;
using kv::test::ProcessResult;
using kv::test::TempFolder;

class HostRun : public ::testing::Test {
protected:
    ProcessResult Host(std::vector<std::string> args)
    {
        return kv::test::RunProgram(KV_HOST_EXE, args, scratch_.Path());
    }

    std::string Path(const std::string& name) const { return (files_ / name).string(); }

    // A 3 x 2 colour image whose every value differs, written in the --raw layout.
    HostImage WriteColourRaw(const std::string& name)
    {
        HostImage image(3, 2, 3);
        for (std::size_t i = 0; i < image.PixelCount(); ++i) {
            image.Plane(0)[i] = 100.0f + static_cast<float>(i);
            image.Plane(2)[i] = 1000.0f + static_cast<float>(i) * 10.0f;
            image.Plane(3)[i] = 20000.0f + static_cast<float>(i) * 0.5f;
        }
        kv::test::WriteBytes(files_ / name, kv::host::EncodeRawPlanes(image));
        return image;
    }

    HostImage ReadRaw(const std::string& name, int32_t w, int32_t h, int c)
    {
        HostImage image;
        std::string error;
        EXPECT_TRUE(kv::host::DecodeRawPlanes(kv::test::ReadBytes(files_ / name), w, h, c, image, error)) << error;
        return image;
    }

    TempFolder scratch_; // captured output
    TempFolder files_;   // images in and out
};

// What the test plug-in's Start does to a value of each plane code.
float Changed(float v, intptr_t code)
{
    return v * 2.0f + (code == 0 ? 1.0f : code == 2 ? 3.0f : 4.0f);
}

TEST_F(HostRun, ColourRawRoundTripKeepsThePlugInsValues)
{
    const HostImage in = WriteColourRaw("in.raw");
    const auto r = Host({"--plugin", KV_FAKE_PLUGIN, "--raw", "3", "2", "3", Path("in.raw"), "--start", "--save-raw",
                         Path("out.raw"), "--commands"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "16\n1\n0\n0\n0\n8\n2\n");
    EXPECT_EQ(r.err, "");
    const HostImage out = ReadRaw("out.raw", 3, 2, 3);
    ASSERT_TRUE(out.IsColor());
    for (intptr_t code : {0, 2, 3})
        for (std::size_t i = 0; i < in.PixelCount(); ++i)
            EXPECT_EQ(out.Plane(code)[i], Changed(in.Plane(code)[i], code)) << "code " << code << " index " << i;
}

TEST_F(HostRun, GreyRawChangesOnce)
{
    HostImage in(4, 2, 1);
    for (std::size_t i = 0; i < in.PixelCount(); ++i)
        in.Plane(0)[i] = static_cast<float>(i) * 3.0f;
    kv::test::WriteBytes(files_ / "grey.raw", kv::host::EncodeRawPlanes(in));
    const auto r = Host({"--plugin", KV_FAKE_PLUGIN, "--raw", "4", "2", "1", Path("grey.raw"), "--start", "--save-raw",
                         Path("out.raw"), "--print-log"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("fake Start: 4x2 grey"), std::string::npos) << r.out;
    EXPECT_EQ(kv::test::ReadBytes(files_ / "out.raw").size(), 4u * 2u * 4u);
    const HostImage out = ReadRaw("out.raw", 4, 2, 1);
    for (std::size_t i = 0; i < in.PixelCount(); ++i)
        EXPECT_EQ(out.Plane(0)[i], Changed(in.Plane(0)[i], 0)) << i;
}

TEST_F(HostRun, FolderAndEightBitReachTheDialog)
{
    WriteColourRaw("in.raw");
    struct Case {
        std::vector<std::string> extra;
        std::string line;
    };
    const std::vector<Case> cases = {
        {{}, "fake Start: 3x2 colour, folder '', eight-bit 0"},
        {{"--eight-bit"}, "fake Start: 3x2 colour, folder '', eight-bit 1"},
        {{"--folder", "C:/Star net/"}, "fake Start: 3x2 colour, folder 'C:/Star net/', eight-bit 0"},
        {{"--folder", "D:\\sn", "--eight-bit"}, "fake Start: 3x2 colour, folder 'D:\\sn', eight-bit 1"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"--plugin", KV_FAKE_PLUGIN, "--raw", "3", "2", "3", Path("in.raw"), "--start",
                                         "--print-log"};
        args.insert(args.end(), c.extra.begin(), c.extra.end());
        const auto r = Host(args);
        ASSERT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(r.out, "fake dialog\n" + c.line + "\n");
    }
}

TEST_F(HostRun, NoImageAnswersZeroAndTheRunStops)
{
    const auto r = Host({"--plugin", KV_FAKE_PLUGIN, "--start", "--print-log", "--commands"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "fake dialog\nfake Start: no image\n16\n");
}

TEST_F(HostRun, WithoutStartNothingIsAskedAndTheImageIsSavedAsItCame)
{
    const HostImage in = WriteColourRaw("in.raw");
    const auto r = Host({"--plugin", KV_FAKE_PLUGIN, "--raw", "3", "2", "3", Path("in.raw"), "--save-raw",
                         Path("out.raw"), "--commands", "--print-log"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "fake dialog\n");
    EXPECT_EQ(kv::test::ReadBytes(files_ / "out.raw"), kv::test::ReadBytes(files_ / "in.raw"));
}

TEST_F(HostRun, TiffInAndSixteenBitTiffOut)
{
    // Integer values that stay integers through the plug-in: the saved TIFF holds them exactly.
    const std::vector<float> green = {1, 2, 3, 4, 5, 6}, red = {100, 200, 300, 400, 500, 600},
                             blue = {1000, 2000, 3000, 4000, 5000, 30000};
    ASSERT_TRUE(WriteTiff16(green.data(), red.data(), blue.data(), 1.0f, 3, 2, true, files_.File("in.tif")));
    const auto r = Host({"--plugin", KV_FAKE_PLUGIN, "--image", Path("in.tif"), "--start", "--save", Path("out.tif"),
                         "--save-raw", Path("out.raw")});
    ASSERT_EQ(r.exitCode, 0) << r.err;

    HostImage saved;
    std::string error;
    ASSERT_TRUE(kv::host::DecodeTiff(kv::test::ReadBytes(files_ / "out.tif"), saved, error)) << error;
    const HostImage raw = ReadRaw("out.raw", 3, 2, 3);
    const std::vector<float>* planes[] = {&green, &red, &blue};
    const intptr_t codes[] = {0, 2, 3};
    for (int p = 0; p < 3; ++p)
        for (std::size_t i = 0; i < 6; ++i) {
            const float expected = Changed((*planes[p])[i], codes[p]);
            EXPECT_EQ(raw.Plane(codes[p])[i], expected) << p << " " << i;
            EXPECT_EQ(saved.Plane(codes[p])[i], expected) << p << " " << i;
        }
}

TEST_F(HostRun, PluginIsReleasedAfterTheRunAndTheReleaseHappens)
{
    WriteColourRaw("in.raw");
    const auto r = Host({"--plugin", KV_FAKE_PLUGIN, "--raw", "3", "2", "3", Path("in.raw"), "--start"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    // On Windows "activate" also says that the host handed over its own hidden window.
    EXPECT_EQ(kv::test::ReadCapture(scratch_ / "fake-trace.txt"), "initialize\nactivate\nstart\nfinalize\nreleased\n");
}

TEST_F(HostRun, AnErrorWhileTheDialogIsUpStillReleasesThePlugin)
{
    // The test plug-in disables Start when this folder is typed; a user could not click it then.
    WriteColourRaw("in.raw");
    const auto r = Host({"--plugin", KV_FAKE_PLUGIN, "--raw", "3", "2", "3", Path("in.raw"), "--folder",
                         "disable start", "--start", "--commands"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Start"), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(kv::test::ReadCapture(scratch_ / "fake-trace.txt"), "initialize\nactivate\nfinalize\nreleased\n");
}

TEST_F(HostRun, HelpPrintsTheUsage)
{
    const auto r = Host({"--help"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out.rfind("usage: kelvoran-host --plugin PATH", 0), 0u) << r.out;
}

TEST_F(HostRun, OwnErrorsExitNonZeroWithOneLine)
{
    WriteColourRaw("in.raw");
    kv::test::WriteBytes(files_ / "short.raw", std::vector<uint8_t>(71));
    kv::test::WriteBytes(files_ / "text.tif", {'h', 'e', 'l', 'l', 'o'});
    struct Case {
        std::vector<std::string> args;
        int exitCode;
        std::string message;
    };
    const std::vector<Case> cases = {
        {{"--plugin", Path("absent-plugin.dll")}, 1, "cannot load the plug-in"},
        {{"--plugin", KV_FAKE_INCOMPLETE}, 1, "the plug-in has no export 'pi_activate'"},
        {{"--plugin", KV_FAKE_PLUGIN, "--raw", "3", "2", "3", Path("short.raw")}, 1, "holds 71 bytes, expected 72"},
        {{"--plugin", KV_FAKE_PLUGIN, "--raw", "3", "2", "3", Path("absent.raw")}, 1, "not found"},
        {{"--plugin", KV_FAKE_PLUGIN, "--image", Path("text.tif")}, 1, "text.tif"},
        {{"--plugin", KV_FAKE_PLUGIN, "--raw", "3", "2", "3", Path("in.raw"), "--save-raw",
          Path("no-such-folder/out.raw")},
         1, "cannot create"},
        {{"--plugin", KV_FAKE_PLUGIN, "--bogus"}, 2, "unknown option '--bogus'"},
        {{"--raw", "3", "2", "3", Path("in.raw")}, 2, "--plugin is required"},
    };
    for (const Case& c : cases) {
        const auto r = Host(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.message << "\n" << r.err;
        EXPECT_EQ(r.err.rfind("kelvoran-host: ", 0), 0u) << r.err;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << "one line: " << r.err;
        EXPECT_EQ(r.out, "") << c.message;
    }
}

} // namespace
