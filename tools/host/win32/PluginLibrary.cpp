#include "tools/host/PluginLibrary.h"

#include <windows.h>

#include <string>

#include "os/Utf.h"

namespace kv::host {

PluginLibrary::~PluginLibrary()
{
    if (handle_ != nullptr)
        FreeLibrary(static_cast<HMODULE>(handle_));
}

bool PluginLibrary::Open(const std::string& path, std::string& error)
{
    const std::u16string wide = kv::os::Utf8ToUtf16(path);
    // The plug-in's own folder is searched for its dependencies (FreeImage);
    // that search needs a full path.
    const auto* name = reinterpret_cast<const wchar_t*>(wide.c_str());
    std::wstring full(GetFullPathNameW(name, 0, nullptr, nullptr), L'\0');
    const DWORD length = GetFullPathNameW(name, static_cast<DWORD>(full.size()), full.data(), nullptr);
    full.resize(length > 0 && length < full.size() ? length : 0);
    handle_ = LoadLibraryExW(full.empty() ? name : full.c_str(), nullptr, full.empty() ? 0 : LOAD_WITH_ALTERED_SEARCH_PATH);
    if (handle_ == nullptr) {
        error = "cannot load the plug-in '" + path + "': Windows error " + std::to_string(GetLastError());
        return false;
    }
    return true;
}

AnyFunction PluginLibrary::Symbol(const char* name) const
{
    return reinterpret_cast<AnyFunction>(GetProcAddress(static_cast<HMODULE>(handle_), name));
}

} // namespace kv::host
