#include <windows.h>

#include "os/Utf.h"
#include "support/Process.h"

namespace kv::test {

namespace {

class Handle {
public:
    explicit Handle(HANDLE h) : h_(h) {}
    ~Handle()
    {
        if (h_ != nullptr && h_ != INVALID_HANDLE_VALUE)
            CloseHandle(h_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE Get() const { return h_; }
    bool Valid() const { return h_ != nullptr && h_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE h_;
};

HANDLE CreateCapture(const std::filesystem::path& file)
{
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    return CreateFileW(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                       nullptr);
}

// Quotes one argument for the C runtime's command-line parser.
std::wstring Quote(const std::string& arg)
{
    const std::u16string wide = kv::os::Utf8ToUtf16(arg);
    std::wstring out = L"\"";
    std::size_t slashes = 0;
    for (char16_t c : wide) {
        if (c == u'\\') {
            ++slashes;
            continue;
        }
        // Backslashes are literal unless a quote follows them.
        out.append(c == u'"' ? slashes * 2 + 1 : slashes, L'\\');
        slashes = 0;
        out += static_cast<wchar_t>(c);
    }
    out.append(slashes * 2, L'\\');
    return out + L"\"";
}

} // namespace

ProcessResult RunProgram(const std::filesystem::path& program, const std::vector<std::string>& args,
                         const std::filesystem::path& scratch)
{
    const auto outFile = scratch / "stdout.txt";
    const auto errFile = scratch / "stderr.txt";
    ProcessResult result;
    {
        const Handle out(CreateCapture(outFile));
        const Handle err(CreateCapture(errFile));
        if (!out.Valid() || !err.Valid())
            return result;
        std::wstring commandLine = Quote(program.string());
        for (const auto& a : args)
            commandLine += L" " + Quote(a);
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = nullptr;
        startup.hStdOutput = out.Get();
        startup.hStdError = err.Get();
        PROCESS_INFORMATION info{};
        if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, scratch.c_str(), &startup,
                            &info))
            return result;
        const Handle process(info.hProcess);
        const Handle thread(info.hThread);
        WaitForSingleObject(info.hProcess, INFINITE);
        DWORD code = 0;
        GetExitCodeProcess(info.hProcess, &code);
        result.exitCode = static_cast<int>(code);
    }
    result.out = ReadCapture(outFile);
    result.err = ReadCapture(errFile);
    return result;
}

} // namespace kv::test
