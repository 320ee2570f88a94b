#include "os/DynamicLibrary.h"

#include <windows.h>

#include <string>

namespace kv::os {

DynamicLibrary::~DynamicLibrary() { Close(); }

bool DynamicLibrary::Open(const std::u16string& path, std::string* why)
{
    Close();
    const auto* name = reinterpret_cast<const wchar_t*>(path.c_str());
    // A path with a folder is made full: the altered search order that lets the
    // library's own dependencies be found beside it is defined for full paths only.
    std::wstring full;
    if (path.find_first_of(u"\\/") != std::u16string::npos) {
        full.resize(::GetFullPathNameW(name, 0, nullptr, nullptr));
        const DWORD length = ::GetFullPathNameW(name, static_cast<DWORD>(full.size()), full.data(), nullptr);
        full.resize(length < full.size() ? length : 0);
    }
    // No "cannot find DLL" box from the system: a missing library is ours to report.
    const UINT oldMode = ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    HMODULE module = full.empty() ? ::LoadLibraryExW(name, nullptr, 0)
                                  : ::LoadLibraryExW(full.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    const DWORD error = ::GetLastError();
    ::SetErrorMode(oldMode);
    handle_ = reinterpret_cast<void*>(module);
    if (handle_ == nullptr && why != nullptr)
        *why = "Windows error " + std::to_string(error);
    return handle_ != nullptr;
}

void* DynamicLibrary::Symbol(const char* name) const
{
    if (!handle_)
        return nullptr;
    return reinterpret_cast<void*>(::GetProcAddress(static_cast<HMODULE>(handle_), name));
}

void DynamicLibrary::Close()
{
    if (handle_)
        ::FreeLibrary(static_cast<HMODULE>(handle_));
    handle_ = nullptr;
}

} // namespace kv::os
