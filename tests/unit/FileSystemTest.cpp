// The whole-file questions and changes of the process layer, on real files.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "os/FileSystem.h"
#include "support/Files.h"
#include "support/TempFolder.h"

namespace {

std::vector<uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

TEST(FileExists, OnlyAFileCounts)
{
    kv::test::TempFolder folder;
    kv::test::WriteBytes(folder / "file", Bytes("x"));
    std::filesystem::create_directory(folder / "folder");
    EXPECT_TRUE(kv::os::FileExists(folder.File("file")));
    EXPECT_FALSE(kv::os::FileExists(folder.File("folder")));
    EXPECT_FALSE(kv::os::FileExists(folder.File("missing")));
    EXPECT_FALSE(kv::os::FileExists(u""));
    if (const auto device = kv::test::FullDevicePath()) {
        EXPECT_FALSE(kv::os::FileExists(*device)) << "a device is no file";
    }
}

TEST(MoveFileOver, ReplacesTheTargetWithTheSource)
{
    kv::test::TempFolder folder;
    kv::test::WriteBytes(folder / "new", Bytes("new"));
    kv::test::WriteBytes(folder / "old", Bytes("old, and longer"));
    ASSERT_TRUE(kv::os::MoveFileOver(folder.File("new"), folder.File("old")));
    EXPECT_EQ(kv::test::ReadBytes(folder / "old"), Bytes("new"));
    EXPECT_FALSE(std::filesystem::exists(folder / "new"));
}

TEST(MoveFileOver, AMissingSourceLeavesTheTargetAlone)
{
    kv::test::TempFolder folder;
    kv::test::WriteBytes(folder / "old", Bytes("old"));
    EXPECT_FALSE(kv::os::MoveFileOver(folder.File("missing"), folder.File("old")));
    EXPECT_EQ(kv::test::ReadBytes(folder / "old"), Bytes("old"));
}

} // namespace
