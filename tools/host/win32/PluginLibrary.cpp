#include "tools/host/PluginLibrary.h"

#include <windows.h>

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
    // The plug-in's own folder is searched for its dependencies (FreeImage).
    handle_ = LoadLibraryExW(reinterpret_cast<const wchar_t*>(wide.c_str()), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
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
