// The tests' own way of running programs: output captured per stream, the
// exit code, and a time limit that stops the program and fails the test.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/Process.h"
#include "support/TempFolder.h"

namespace {

namespace fs = std::filesystem;

fs::path ScriptedTool(const kv::test::TempFolder& folder, const std::string& script)
{
    fs::copy_file(KV_SCRIPTED_TOOL, folder / "starnet++.exe");
    std::ofstream(folder / "tool-script.txt", std::ios::binary) << script;
    return folder / "starnet++.exe";
}

TEST(RunProgram, CapturesEachStreamAndTheExitCode)
{
    kv::test::TempFolder folder;
    const auto tool = ScriptedTool(folder, "write to out\\r\\n\nerror to err\\n\nexit 3\n");
    const auto r = kv::test::RunProgram(tool, {"a b", "c"}, folder.Path());
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_FALSE(r.timedOut);
    EXPECT_EQ(r.out, "to out\n");
    EXPECT_EQ(r.err, "to err\n");
}

TEST(RunProgram, StopsAProgramPastItsTimeLimitAndFails)
{
    kv::test::TempFolder folder;
    const auto tool = ScriptedTool(folder, "write started\npause 20000\nwrite never\n");
    kv::test::ProcessResult r;
    EXPECT_NONFATAL_FAILURE(r = kv::test::RunProgram(tool, {}, folder.Path(), std::chrono::milliseconds(500)),
                            "was still running after 500 ms");
    EXPECT_TRUE(r.timedOut);
    EXPECT_EQ(r.exitCode, -1);
}

} // namespace
