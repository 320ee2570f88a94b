#include "os/Shell.h"

#include <windows.h>
#include <shellapi.h>

namespace kv::os {

std::u16string HostExecutableFolder()
{
    // No module handle: the process's main executable, not this library.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0)
            return {};
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2); // truncated: ask again with more room
    }
    const auto cut = path.find_last_of(L"\\:");
    if (cut == std::wstring::npos)
        return {};
    return std::u16string(reinterpret_cast<const char16_t*>(path.data()), cut + 1);
}

intptr_t ShellExecuteDocument(const std::u16string& verb, const std::u16string& file)
{
    HINSTANCE result = ::ShellExecuteW(::GetDesktopWindow(), reinterpret_cast<const wchar_t*>(verb.c_str()),
                                       reinterpret_cast<const wchar_t*>(file.c_str()), nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<intptr_t>(result);
}

} // namespace kv::os
