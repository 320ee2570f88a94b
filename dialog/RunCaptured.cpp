#include "dialog/RunCaptured.h"

#include "dialog/ToolOutput.h"
#include "os/Clock.h"
#include "os/Pipe.h"
#include "os/Process.h"
#include "ui/Application.h"

namespace kv {

namespace {

constexpr std::size_t kReadLimit = 255;
// How long one wait for output lasts before the messages are looked at again.
constexpr int kPollMilliseconds = 20;

void DispatchMessages() { ui::Application().ProcessMessages(); }

} // namespace

int32_t RunCaptured(const std::u16string& commandLine, const std::u16string& folder, ui::TStrings& log,
                    ProgressTarget& gauge)
{
    os::Pipe pipe;
    // Without a pipe the child would start with undefined output handles.
    if (!pipe.Create())
        return RUN_NOT_STARTED;
    int32_t result = RUN_DONE;
    try {
        os::ChildProcess child;
        if (!child.StartCommand(u"cmd.exe /C " + commandLine, folder, pipe)) {
            pipe.CloseWrite();
            pipe.CloseRead();
            return RUN_NOT_STARTED;
        }
        // The child holds inherited copies; the pipe ends when the last of them is closed.
        pipe.CloseWrite();

        char buffer[kReadLimit + 1];
        for (;;) {
            // Once the host is closing its quit message stays queued: waking
            // for messages would wake at once, every time.
            if (pipe.WaitReadable(kPollMilliseconds, !ui::Application().Terminated()) == os::Pipe::Wait::Idle) {
                DispatchMessages();
                continue;
            }
            std::size_t n = 0;
            const bool ok = pipe.Read(buffer, kReadLimit, n);
            if (n > 0) {
                buffer[n] = '\0';
                const ChunkEffect effect = ReadToolChunk(std::string_view(buffer, n));
                if (effect.logEntry)
                    log.Add(*effect.logEntry);
                if (effect.progress)
                    gauge.SetProgress(*effect.progress);
                DispatchMessages();
                os::SleepMilliseconds(10);
            }
            if (!ok || n == 0)
                break;
        }
        child.Wait();
    } catch (...) {
        result = RUN_BROKEN_OFF;
    }
    return result;
}

} // namespace kv
