#include "os/DynamicLibrary.h"

#include <windows.h>

namespace kv::os {

DynamicLibrary::~DynamicLibrary() { Close(); }

bool DynamicLibrary::Open(const std::u16string& path)
{
    Close();
    const auto* name = reinterpret_cast<const wchar_t*>(path.c_str());
    // A full path also lets the library's own dependencies be found beside it;
    // a bare name takes the normal search order.
    const bool hasFolder = path.find_first_of(u"\\/") != std::u16string::npos;
    // No "cannot find DLL" box from the system: a missing library is ours to report.
    const UINT oldMode = ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    HMODULE module = ::LoadLibraryExW(name, nullptr, hasFolder ? LOAD_WITH_ALTERED_SEARCH_PATH : 0);
    ::SetErrorMode(oldMode);
    handle_ = reinterpret_cast<void*>(module);
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
