// The settings file through the reference host: each run is a new host
// process, so what comes back has gone through the file. The temporary folder
// (the programs' TMPDIR, or TMP and TEMP on Windows) has a non-ASCII path.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "support/Environment.h"
#include "support/Files.h"
#include "support/Process.h"
#include "support/TempFolder.h"

namespace {

namespace fs = std::filesystem;

fs::path Utf8Path(const std::string& text)
{
    return fs::path(std::u8string(text.begin(), text.end()));
}

class HostSettings : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::string fixed = KV_NON_ASCII_TEMP_ROOT;
        root_ = fixed.empty() ? scratch_.Path() / Utf8Path("J\xC3\xB6rg") / "Temp" : Utf8Path(fixed);
        made_ = fixed.empty() ? root_ : root_.parent_path();
        fs::create_directories(root_);
        kv::test::UseTemporaryFolder(root_);
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::remove_all(made_, ignored);
        kv::test::UseTemporaryFolder(saved_);
    }

    kv::test::ProcessResult Host(std::vector<std::string> args)
    {
        args.insert(args.begin(), {"--plugin", KV_PLUGIN});
        return kv::test::RunProgram(KV_HOST_EXE, args, scratch_.Path());
    }

    // The settings file wherever the system put it inside the temporary folder.
    std::optional<fs::path> SettingsFile() const
    {
        for (const auto& entry : fs::recursive_directory_iterator(root_))
            if (entry.path().filename() == "Kelvoran2.ini")
                return entry.path();
        return std::nullopt;
    }

    fs::path saved_ = fs::temp_directory_path();
    kv::test::TempFolder scratch_;
    fs::path root_;
    fs::path made_;
};

struct HostRun {
    const char* what;
    std::vector<std::string> args;
    std::string state; // as the dialog opened
    bool fileAfter;
};

TEST_F(HostSettings, TheFolderAndTheEightBitBoxComeBackInTheNextHostProcess)
{
    // Stored as typed, whatever the system's delimiter.
    const std::string folder = "C:\\Star J\xC3\xB6rg\\\xE6\x98\x9F\\";
    const std::string remembered = "folder: " + folder + "\neight-bit: 1\n";
    const HostRun runs[] = {
        {"first use, nothing typed", {}, "folder: \neight-bit: 0\n", false},
        {"a folder typed and the box checked", {"--folder", folder, "--eight-bit"}, "folder: \neight-bit: 0\n", true},
        {"both come back", {}, remembered, true},
        {"the folder cleared", {"--folder", ""}, remembered, true},
        {"the old file is kept", {}, remembered, true},
    };
    std::vector<uint8_t> written;
    for (const HostRun& run : runs) {
        std::vector<std::string> args = run.args;
        args.push_back("--print-state");
        const auto r = Host(args);
        ASSERT_EQ(r.exitCode, 0) << run.what << ": " << r.err;
        EXPECT_EQ(r.out, run.state) << run.what;
        const auto file = SettingsFile();
        ASSERT_EQ(file.has_value(), run.fileAfter) << run.what;
        if (!file)
            continue;
        if (written.empty())
            written = kv::test::ReadBytes(*file);
        EXPECT_EQ(kv::test::ReadBytes(*file), written) << run.what << ": the file is not rewritten";
    }
    // As written: the mark, then the two entries with the folder in UTF-8.
    const std::string text(written.begin(), written.end());
    EXPECT_EQ(text, "\xEF\xBB\xBF" "UQ\\Q=FVJbVKVZLe%" + folder + "\r\nUQ\\Q=FTHbEKPQ?SOc%1\r\n");
}

TEST_F(HostSettings, ASettingsFileOfRandomBytesLeavesTheDesignedValues)
{
    ASSERT_EQ(Host({"--folder", "x", "--print-state"}).exitCode, 0);
    const auto file = SettingsFile();
    ASSERT_TRUE(file);
    uint32_t seed = 12345;
    for (int round = 0; round < 3; ++round) {
        std::vector<uint8_t> noise(4096u << round);
        for (auto& b : noise) {
            seed = seed * 1664525u + 1013904223u;
            b = static_cast<uint8_t>(seed >> 24);
        }
        kv::test::WriteBytes(*file, noise);
        const auto r = Host({"--print-state"});
        ASSERT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(r.out, "folder: \neight-bit: 0\n");
        EXPECT_EQ(kv::test::ReadBytes(*file), noise) << "nothing typed: not rewritten";
    }
}

} // namespace
