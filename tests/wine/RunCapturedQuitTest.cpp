// RunCaptured on Windows when the host is closing: the quit message that
// arrives during a run stays queued for the host's own loop, and the wait for
// the child's output must not wake on it over and over.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "dialog/RunCaptured.h"
#include "support/TempFolder.h"

namespace {

class IgnoringGauge final : public kv::ProgressTarget {
public:
    void SetProgress(int32_t) override {}
};

// The time the whole process has spent on a processor, in seconds.
double ProcessorSeconds()
{
    FILETIME created{}, ended{}, kernel{}, user{};
    ::GetProcessTimes(::GetCurrentProcess(), &created, &ended, &kernel, &user);
    const auto seconds = [](const FILETIME& t) {
        return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime) * 1e-7;
    };
    return seconds(kernel) + seconds(user);
}

TEST(RunCapturedQuit, AQuitMessageDuringARunLeavesTheWaitIdleAndStaysQueued)
{
    kv::test::TempFolder folder;
    std::filesystem::copy_file(KV_SCRIPTED_TOOL, folder / "starnet++.exe");
    std::ofstream(folder / "tool-script.txt", std::ios::binary) << "pause 1500\n";
    kv::ui::TStrings log;
    IgnoringGauge gauge;
    ::PostQuitMessage(7);
    const double processorBefore = ProcessorSeconds();
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(kv::RunCaptured(u"starnet++.exe in.tif out.tif", folder.Path().u16string() + u"\\", log, gauge), kv::RUN_DONE);
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double busy = ProcessorSeconds() - processorBefore;
    ASSERT_GE(wall, 1.4) << "the child did not run";
    // Waking on the queued quit message at every turn keeps a processor busy
    // all the time; waiting for the pipe keeps it idle.
    EXPECT_LT(busy, 0.25 * wall) << busy << " s on a processor in " << wall << " s";

    MSG msg{};
    ASSERT_TRUE(::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(msg.wParam, 7u);
}

} // namespace
