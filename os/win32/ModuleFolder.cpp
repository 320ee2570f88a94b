#include "os/ModuleFolder.h"

#include <windows.h>

namespace kv::os {

namespace {

std::u16string FolderOf(HMODULE module)
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = ::GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0)
            return {};
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2); // truncated: try again with more room
    }
    const auto slash = path.find_last_of(L"\\/");
    if (slash == std::wstring::npos)
        return {};
    return std::u16string(reinterpret_cast<const char16_t*>(path.data()), slash + 1);
}

} // namespace

std::u16string ExecutableFolder() { return FolderOf(nullptr); }

std::u16string OwnModuleFolder()
{
    // The module that contains this function: the plug-in DLL, not the host's executable.
    HMODULE module = nullptr;
    if (!::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                              reinterpret_cast<LPCWSTR>(&OwnModuleFolder), &module))
        return {};
    return FolderOf(module);
}

} // namespace kv::os
