#include "os/Process.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include "os/Clock.h"
#include "os/Utf.h"

namespace kv::os {

namespace {

constexpr char16_t kInterpreterPrefix[] = u"cmd.exe /C ";

// Everything the child needs, made before fork: after it only
// async-signal-safe calls are allowed.
struct Launch {
    std::vector<std::string> argv;
    std::string folder;
    int out = -1;
    int err = -1;
};

// Forks and execs; the child reports a failed chdir or exec through a
// close-on-exec pipe, so the parent learns whether the program started.
pid_t Spawn(const Launch& launch)
{
    std::vector<char*> argv;
    for (const auto& a : launch.argv)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);

    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0)
        return -1;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(report[0]);
        int failure = 0;
        if (::dup2(launch.out, 1) < 0 || ::dup2(launch.err, 2) < 0)
            failure = errno;
        else if (!launch.folder.empty() && ::chdir(launch.folder.c_str()) != 0)
            failure = errno;
        else {
            ::execv(argv[0], argv.data());
            failure = errno;
        }
        (void)!::write(report[1], &failure, sizeof failure);
        ::_exit(127);
    }
    ::close(report[1]);
    if (pid < 0) {
        ::close(report[0]);
        return -1;
    }
    int failure = 0;
    ssize_t n;
    do
        n = ::read(report[0], &failure, sizeof failure);
    while (n < 0 && errno == EINTR);
    ::close(report[0]);
    if (n > 0) { // the child did not reach the program: reap it
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        return -1;
    }
    return pid;
}

int DecodeStatus(int status)
{
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

} // namespace

ChildProcess::~ChildProcess() { Release(); }

void ChildProcess::Release()
{
    // Nothing to close for a pid; a child not waited for stays the system's
    // until this process ends.
    process_ = kInvalid;
}

bool ChildProcess::StartCommand(const std::u16string& commandLine, const std::u16string& folder, const Pipe& output)
{
    Release();
    std::u16string_view tail = commandLine;
    if (tail.starts_with(kInterpreterPrefix))
        tail.remove_prefix(std::char_traits<char16_t>::length(kInterpreterPrefix));
    Launch launch;
    launch.argv = {"/bin/sh", "-c", Utf16ToUtf8(tail)};
    launch.folder = Utf16ToUtf8(folder);
    launch.out = launch.err = static_cast<int>(output.NativeWrite());
    const pid_t pid = Spawn(launch);
    if (pid < 0)
        return false;
    process_ = pid;
    exitCode_ = -1;
    return true;
}

bool ChildProcess::StartProgram(const std::u16string& program, const std::vector<std::u16string>& args,
                                const std::u16string& folder, const Pipe& out, const Pipe& err)
{
    Release();
    Launch launch;
    launch.argv.push_back(Utf16ToUtf8(program));
    for (const auto& a : args)
        launch.argv.push_back(Utf16ToUtf8(a));
    launch.folder = Utf16ToUtf8(folder);
    launch.out = static_cast<int>(out.NativeWrite());
    launch.err = static_cast<int>(err.NativeWrite());
    const pid_t pid = Spawn(launch);
    if (pid < 0)
        return false;
    process_ = pid;
    exitCode_ = -1;
    return true;
}

void ChildProcess::Wait()
{
    if (!Started())
        return;
    int status = 0;
    pid_t r;
    do
        r = ::waitpid(static_cast<pid_t>(process_), &status, 0);
    while (r < 0 && errno == EINTR);
    exitCode_ = r > 0 ? DecodeStatus(status) : -1;
    process_ = kInvalid;
}

bool ChildProcess::WaitFor(int timeoutMs)
{
    if (!Started())
        return true;
    const uint32_t start = TickCount();
    for (;;) {
        int status = 0;
        const pid_t r = ::waitpid(static_cast<pid_t>(process_), &status, WNOHANG);
        if (r > 0 || (r < 0 && errno != EINTR)) {
            exitCode_ = r > 0 ? DecodeStatus(status) : -1;
            process_ = kInvalid;
            return true;
        }
        if (TickCount() - start >= static_cast<uint32_t>(timeoutMs))
            return false;
        SleepMilliseconds(5);
    }
}

void ChildProcess::Kill()
{
    if (Started())
        ::kill(static_cast<pid_t>(process_), SIGKILL);
}

const std::u16string& InterpreterMetacharacters()
{
    // The shell's own, besides those cmd.exe knows (& | < > ^ " %).
    static const std::u16string chars = u"&|<>^\"%;$`'\\*?[]{}()~#!";
    return chars;
}

} // namespace kv::os
