#include "os/Process.h"

#include <windows.h>

namespace kv::os {

namespace {

HANDLE AsHandle(std::intptr_t h) { return reinterpret_cast<HANDLE>(h); }
const wchar_t* Wide(const std::u16string& s) { return reinterpret_cast<const wchar_t*>(s.c_str()); }

// Quotes one argument the way the C runtime's command-line parser splits it.
std::u16string Quote(const std::u16string& arg)
{
    std::u16string out = u"\"";
    std::size_t slashes = 0;
    for (char16_t c : arg) {
        if (c == u'\\') {
            ++slashes;
            continue;
        }
        // Backslashes are literal unless a quote follows them.
        out.append(c == u'"' ? slashes * 2 + 1 : slashes, u'\\');
        slashes = 0;
        out += c;
    }
    out.append(slashes * 2, u'\\');
    return out + u"\"";
}

} // namespace

ChildProcess::~ChildProcess() { Release(); }

void ChildProcess::Release()
{
    // The process handle first, then the thread handle; each once.
    if (process_ != kInvalid)
        ::CloseHandle(AsHandle(process_));
    if (thread_ != kInvalid)
        ::CloseHandle(AsHandle(thread_));
    process_ = thread_ = kInvalid;
}

bool ChildProcess::StartCommand(const std::u16string& commandLine, const std::u16string& folder, const Pipe& output)
{
    Release();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES; // 0x101
    startup.wShowWindow = SW_HIDE;
    startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = AsHandle(output.NativeWrite());
    startup.hStdError = AsHandle(output.NativeWrite());
    // CreateProcessW may write into the command line: it gets a copy of its own.
    std::u16string buffer = commandLine;
    const std::u16string currentFolder = folder;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(nullptr, reinterpret_cast<wchar_t*>(buffer.data()), nullptr, nullptr, TRUE, 0, nullptr,
                          Wide(currentFolder), &startup, &info))
        return false;
    process_ = reinterpret_cast<std::intptr_t>(info.hProcess);
    thread_ = reinterpret_cast<std::intptr_t>(info.hThread);
    exitCode_ = -1;
    return true;
}

bool ChildProcess::StartProgram(const std::u16string& program, const std::vector<std::u16string>& args,
                                const std::u16string& folder, const Pipe& out, const Pipe& err)
{
    Release();
    std::u16string commandLine = Quote(program);
    for (const auto& a : args)
    {
        commandLine += u' ';
        commandLine += Quote(a);
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = AsHandle(out.NativeWrite());
    startup.hStdError = AsHandle(err.NativeWrite());
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(Wide(program), reinterpret_cast<wchar_t*>(commandLine.data()), nullptr, nullptr, TRUE, 0,
                          nullptr, folder.empty() ? nullptr : Wide(folder), &startup, &info))
        return false;
    process_ = reinterpret_cast<std::intptr_t>(info.hProcess);
    thread_ = reinterpret_cast<std::intptr_t>(info.hThread);
    exitCode_ = -1;
    return true;
}

void ChildProcess::Wait() { WaitFor(-1); }

bool ChildProcess::WaitFor(int timeoutMs)
{
    if (!Started())
        return true;
    const DWORD limit = timeoutMs < 0 ? INFINITE : static_cast<DWORD>(timeoutMs);
    if (::WaitForSingleObject(AsHandle(process_), limit) != WAIT_OBJECT_0)
        return false;
    DWORD code = 0;
    exitCode_ = ::GetExitCodeProcess(AsHandle(process_), &code) ? static_cast<int>(code) : -1;
    return true;
}

void ChildProcess::Kill()
{
    if (Started())
        ::TerminateProcess(AsHandle(process_), 255);
}

const std::u16string& InterpreterMetacharacters()
{
    static const std::u16string chars = u"&|<>^\"%";
    return chars;
}

} // namespace kv::os
