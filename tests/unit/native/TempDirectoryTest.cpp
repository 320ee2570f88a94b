// The POSIX temporary folder: a private folder of this user's own, and
// refused when anything about it could let another account in.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "os/TempDirectory.h"
#include "support/TempFolder.h"

namespace kv::test {
namespace {

namespace fs = std::filesystem;

// Points TMPDIR at a fresh folder for one test.
class TempDirectoryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (const char* old = std::getenv("TMPDIR"))
            saved_ = old;
        ::setenv("TMPDIR", base_.Path().c_str(), 1);
    }
    void TearDown() override
    {
        if (saved_)
            ::setenv("TMPDIR", saved_->c_str(), 1);
        else
            ::unsetenv("TMPDIR");
    }
    fs::path Expected() const { return base_.Path() / ("kelvoran-" + std::to_string(::geteuid())); }
    std::u16string ExpectedText() const { return Expected().u16string() + u'/'; }

    TempFolder base_;
    std::optional<std::string> saved_;
};

TEST_F(TempDirectoryTest, CreatesPrivateFolderWithOneTrailingDelimiter)
{
    const std::u16string dir = GetTempDirectory();
    EXPECT_EQ(dir, ExpectedText());
    ASSERT_GE(dir.size(), 2u);
    EXPECT_NE(dir[dir.size() - 2], u'/');
    struct stat st {};
    ASSERT_EQ(::lstat(Expected().c_str(), &st), 0);
    EXPECT_TRUE(S_ISDIR(st.st_mode));
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    EXPECT_EQ(st.st_uid, ::geteuid());
    // Asked again, the same folder is used.
    EXPECT_EQ(GetTempDirectory(), ExpectedText());
}

TEST_F(TempDirectoryTest, TrailingSlashesInTmpdirDoNotDouble)
{
    ::setenv("TMPDIR", (base_.Path().string() + "//").c_str(), 1);
    EXPECT_EQ(GetTempDirectory(), ExpectedText());
}

TEST_F(TempDirectoryTest, SymlinkIsRefused)
{
    fs::create_directory(base_ / "elsewhere");
    fs::permissions(base_ / "elsewhere", fs::perms::owner_all, fs::perm_options::replace);
    fs::create_directory_symlink(base_ / "elsewhere", Expected());
    EXPECT_EQ(GetTempDirectory(), u"");
}

TEST_F(TempDirectoryTest, FolderOpenToOthersIsRefused)
{
    for (const auto mode : {fs::perms(0777), fs::perms(0755), fs::perms(0710), fs::perms(0701)}) {
        fs::create_directory(Expected());
        fs::permissions(Expected(), mode, fs::perm_options::replace);
        EXPECT_EQ(GetTempDirectory(), u"") << std::oct << static_cast<unsigned>(mode);
        fs::remove(Expected());
    }
}

TEST_F(TempDirectoryTest, PlainFileOfThatNameIsRefused)
{
    { std::ofstream(Expected()) << "planted"; }
    EXPECT_EQ(GetTempDirectory(), u"");
}

TEST_F(TempDirectoryTest, FolderOfAnotherOwnerIsRefused)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "planting a folder for another account needs root";
    fs::create_directory(Expected());
    fs::permissions(Expected(), fs::perms(0700), fs::perm_options::replace);
    constexpr uid_t kNobody = 65534;
    ASSERT_EQ(::chown(Expected().c_str(), kNobody, kNobody), 0);
    EXPECT_EQ(GetTempDirectory(), u"");
}

TEST_F(TempDirectoryTest, MissingBaseGivesEmpty)
{
    ::setenv("TMPDIR", (base_.Path() / "absent").c_str(), 1);
    EXPECT_EQ(GetTempDirectory(), u"");
}

TEST(IncludeTrailingPathDelimiter, AppendsOnlyWhenMissing)
{
    const struct {
        std::u16string in, out;
    } cases[] = {{u"", u""}, {u"/tmp", u"/tmp/"}, {u"/tmp/", u"/tmp/"}, {u"/", u"/"}, {u"a b", u"a b/"}};
    for (const auto& c : cases)
        EXPECT_EQ(IncludeTrailingPathDelimiter(c.in), c.out);
}

} // namespace
} // namespace kv::test
