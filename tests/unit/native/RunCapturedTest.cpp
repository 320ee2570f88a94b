// RunCaptured on the POSIX process layer: real children through /bin/sh, their
// output read chunk by chunk into the log and the gauge.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "dialog/RunCaptured.h"
#include "support/TempFolder.h"

namespace {

class RecordingGauge final : public kv::ProgressTarget {
public:
    void SetProgress(int32_t value) override { values.push_back(value); }
    std::vector<int32_t> values;
};

struct RunCase {
    const char* name;
    std::string command; // after "cmd.exe /C ", run by /bin/sh -c
    std::vector<std::u16string> entries;
    std::vector<int32_t> gauge;
};

void PrintTo(const RunCase& c, std::ostream* os) { *os << c.command; }

class RunCapturedChild : public ::testing::TestWithParam<RunCase> {};

TEST_P(RunCapturedChild, LogsItsTextAndSendsItsPercentages)
{
    const RunCase& c = GetParam();
    kv::test::TempFolder folder;
    kv::ui::TStrings log;
    RecordingGauge gauge;
    const std::u16string command(c.command.begin(), c.command.end());
    EXPECT_EQ(kv::RunCaptured(command, folder.Path().u16string() + u"/", log, gauge), kv::RUN_DONE);
    EXPECT_EQ(log.Lines(), c.entries);
    EXPECT_EQ(gauge.values, c.gauge);
}

INSTANTIATE_TEST_SUITE_P(
    Children, RunCapturedChild,
    ::testing::Values(
        RunCase{"Silent", "true", {}, {}},
        RunCase{"OneLine", "printf '  Reading image...\\r\\n'", {u"Reading image..."}, {}},
        RunCase{"StandardErrorToo", "printf 'on stderr' >&2", {u"on stderr"}, {}},
        // Separate reads: a pause between the writes.
        RunCase{"FiftySplitInTwoReads", "printf 5; sleep 0.3; printf '0%%'", {u"5"}, {0}},
        RunCase{"PercentagesAndText", "printf '10%%'; sleep 0.2; printf 'Done\\n'; sleep 0.2; printf ' 100%%'",
                {u"Done"}, {10, 100}},
        RunCase{"ExitCodeIsNotRead", "printf 'failing'; exit 3", {u"failing"}, {}},
        RunCase{"ToolMissingIsOutputLikeAnyOther", "./no-such-tool 2>&1 | sed 's/.*/missing/'", {u"missing"}, {}}),
    [](const auto& tp) { return std::string(tp.param.name); });

TEST(RunCaptured, ChildRunsInTheFolder)
{
    kv::test::TempFolder folder;
    kv::ui::TStrings log;
    RecordingGauge gauge;
    ASSERT_EQ(kv::RunCaptured(u"pwd -P", folder.Path().u16string() + u"/", log, gauge), kv::RUN_DONE);
    ASSERT_EQ(log.Count(), 1);
    EXPECT_EQ(log[0], std::filesystem::canonical(folder.Path()).u16string());
}

TEST(RunCaptured, FolderThatCannotBeEnteredStartsNothing)
{
    kv::test::TempFolder folder;
    kv::ui::TStrings log;
    RecordingGauge gauge;
    const auto marker = folder / "ran";
    const std::string command = "touch '" + marker.string() + "'";
    EXPECT_EQ(kv::RunCaptured(std::u16string(command.begin(), command.end()),
                              (folder.Path() / "missing").u16string() + u"/", log, gauge),
              kv::RUN_NOT_STARTED);
    EXPECT_FALSE(std::filesystem::exists(marker));
    EXPECT_EQ(log.Count(), 0);
}

TEST(RunCaptured, LongOutputArrivesWholeInChunksOfAtMost255Bytes)
{
    kv::test::TempFolder folder;
    kv::ui::TStrings log;
    RecordingGauge gauge;
    // 200 KB without blanks or line breaks, so that no byte is trimmed away.
    ASSERT_EQ(kv::RunCaptured(u"head -c 204800 /dev/zero | tr '\\0' 'x'", folder.Path().u16string() + u"/", log, gauge),
              kv::RUN_DONE);
    std::size_t total = 0;
    for (const auto& entry : log.Lines()) {
        EXPECT_LE(entry.size(), 255u);
        EXPECT_EQ(entry.find_first_not_of(u'x'), std::u16string::npos);
        total += entry.size();
    }
    EXPECT_EQ(total, 204800u);
    EXPECT_GE(log.Count(), 204800 / 255);
}

} // namespace

namespace {

class ThrowingGauge final : public kv::ProgressTarget {
public:
    void SetProgress(int32_t) override { throw std::runtime_error("gauge broke"); }
};

TEST(RunCaptured, ExceptionWhileReadingBreaksTheRunOff)
{
    kv::test::TempFolder folder;
    kv::ui::TStrings log;
    ThrowingGauge gauge;
    const auto marker = folder / "went-on";
    // The child is neither waited for nor stopped: it finishes on its own.
    const std::string command = "printf '50%%'; sleep 0.3; touch '" + marker.string() + "'";
    EXPECT_EQ(kv::RunCaptured(std::u16string(command.begin(), command.end()), folder.Path().u16string() + u"/", log,
                              gauge),
              kv::RUN_BROKEN_OFF);
    EXPECT_EQ(log.Count(), 0);
    EXPECT_FALSE(std::filesystem::exists(marker));
    for (int i = 0; i < 100 && !std::filesystem::exists(marker); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_TRUE(std::filesystem::exists(marker));
}

// 0 when RunCaptured, given no file descriptors at all, reports that it started nothing.
int RunWithoutDescriptors(const std::string& command, const std::u16string& folder)
{
    kv::ui::TStrings log;
    RecordingGauge gauge;
    // The lowest free descriptor becomes the limit: every new one fails.
    const int next = ::dup(0);
    ::close(next);
    rlimit old{};
    getrlimit(RLIMIT_NOFILE, &old);
    rlimit limit{static_cast<rlim_t>(next), old.rlim_max};
    setrlimit(RLIMIT_NOFILE, &limit);
    const int32_t result = kv::RunCaptured(std::u16string(command.begin(), command.end()), folder, log, gauge);
    // The sanitizers' own checks need descriptors again.
    setrlimit(RLIMIT_NOFILE, &old);
    return result == kv::RUN_NOT_STARTED && log.Count() == 0 ? 0 : 1;
}

TEST(RunCapturedDeathTest, NoPipeStartsNothing)
{
    kv::test::TempFolder folder;
    const auto marker = folder / "ran";
    const std::string command = "touch '" + marker.string() + "'";
    const std::u16string folderText = folder.Path().u16string() + u"/";
    // In a child of the test: with no descriptor left, no pipe can be made.
    EXPECT_EXIT(_exit(RunWithoutDescriptors(command, folderText)),
        ::testing::ExitedWithCode(0), "");
    EXPECT_FALSE(std::filesystem::exists(marker));
}

} // namespace
