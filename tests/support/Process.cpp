#include "support/Process.h"

#include <gtest/gtest.h>

#include "os/Clock.h"
#include "os/Pipe.h"
#include "os/Process.h"
#include "os/Utf.h"
#include "support/Files.h"

namespace kv::test {

namespace {

// Takes what one pipe has, without blocking; closes it once it has ended.
void Drain(os::Pipe& pipe, std::string& text)
{
    while (pipe.HasRead() && pipe.WaitReadable(0, false) == os::Pipe::Wait::Readable) {
        char buffer[4096];
        std::size_t n = 0;
        const bool ok = pipe.Read(buffer, sizeof buffer, n);
        text.append(buffer, n);
        if (!ok || n == 0)
            pipe.CloseRead();
    }
}

} // namespace

std::string WithoutCarriageReturns(const std::string& bytes)
{
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); ++i)
        if (!(bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n'))
            text += bytes[i];
    return text;
}

std::string ReadCapture(const std::filesystem::path& file)
{
    const auto bytes = ReadBytes(file);
    return WithoutCarriageReturns(std::string(bytes.begin(), bytes.end()));
}

ProcessResult RunProgram(const std::filesystem::path& program, const std::vector<std::string>& args,
                         const std::filesystem::path& scratch, std::chrono::milliseconds limit)
{
    ProcessResult result;
    os::Pipe out;
    os::Pipe err;
    if (!out.Create() || !err.Create()) {
        ADD_FAILURE() << "cannot make the pipes for " << program;
        return result;
    }
    std::vector<std::u16string> wideArgs;
    for (const auto& a : args)
        wideArgs.push_back(os::Utf8ToUtf16(a));
    os::ChildProcess child;
    if (!child.StartProgram(program.u16string(), wideArgs, scratch.u16string(), out, err)) {
        ADD_FAILURE() << "cannot start " << program;
        return result;
    }
    out.CloseWrite();
    err.CloseWrite();

    const uint32_t start = os::TickCount();
    std::string outBytes;
    std::string errBytes;
    while (out.HasRead() || err.HasRead()) {
        if (os::TickCount() - start > static_cast<uint32_t>(limit.count())) {
            result.timedOut = true;
            break;
        }
        Drain(out, outBytes);
        Drain(err, errBytes);
        if (out.HasRead() || err.HasRead())
            os::SleepMilliseconds(5);
    }
    if (result.timedOut || !child.WaitFor(static_cast<int>(limit.count()))) {
        result.timedOut = true;
        child.Kill();
        child.Wait();
        ADD_FAILURE() << program << " was still running after " << limit.count() << " ms and was stopped";
    } else
        result.exitCode = child.ExitCode();
    result.out = WithoutCarriageReturns(outBytes);
    result.err = WithoutCarriageReturns(errBytes);
    return result;
}

} // namespace kv::test
