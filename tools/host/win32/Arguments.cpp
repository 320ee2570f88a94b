// argv is in the ANSI code page; the wide command line keeps every character.
#include "tools/host/Arguments.h"

#include <windows.h>
#include <shellapi.h>

#include <memory>

#include "os/Utf.h"

namespace kv::host {

namespace {
struct LocalFreer {
    void operator()(wchar_t** p) const { LocalFree(p); }
};
} // namespace

std::vector<std::string> ProgramArguments(int, char**)
{
    int count = 0;
    const std::unique_ptr<wchar_t*, LocalFreer> args(CommandLineToArgvW(GetCommandLineW(), &count));
    std::vector<std::string> result;
    for (int i = 1; args && i < count; ++i)
        result.push_back(kv::os::Utf16ToUtf8(reinterpret_cast<const char16_t*>(args.get()[i])));
    return result;
}

} // namespace kv::host
