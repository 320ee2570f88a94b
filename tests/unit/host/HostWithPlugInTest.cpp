// The real plug-in in the reference host: the host finds the dialog's own
// controls (natively by name, on Windows by their windows) and the plug-in
// answers as a host expects.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/Files.h"
#include "support/Process.h"
#include "support/TempFolder.h"
#include "tools/host/RawPlanes.h"

namespace {

class HostWithPlugIn : public ::testing::Test {
protected:
    kv::test::ProcessResult Host(std::vector<std::string> args)
    {
        args.insert(args.begin(), {"--plugin", KV_PLUGIN});
        return kv::test::RunProgram(KV_HOST_EXE, args, scratch_.Path());
    }

    kv::test::TempFolder scratch_;
};

const std::string kOpeningLog = "Kelvoran version 2.0.\n"
                                "It's required a CPU with AVX instructions and Windows 64 bit.\n"
                                "Before starting, select the folder where Starnet is installed.\n";

TEST_F(HostWithPlugIn, PrintsTheDialogsOpeningLog)
{
    const auto r = Host({"--print-log"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, kOpeningLog);
    EXPECT_EQ(r.err, "");
}

TEST_F(HostWithPlugIn, ReachesTheFolderBoxTheEightBitBoxAndStart)
{
    kv::test::TempFolder files;
    kv::host::HostImage image(2, 2, 1);
    for (std::size_t i = 0; i < image.PixelCount(); ++i)
        image.Plane(0)[i] = 100.0f * static_cast<float>(i + 1);
    kv::test::WriteBytes(files / "in.raw", kv::host::EncodeRawPlanes(image));
    // The host refuses to go on when a control is missing, the box does not
    // read as checked afterwards, or Start is disabled or hidden.
    const auto r = Host({"--raw", "2", "2", "1", (files / "in.raw").string(), "--folder", "/opt/starnet/",
                         "--eight-bit", "--start", "--print-log"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "");
}

} // namespace
