#include "tools/host/PluginLibrary.h"

#include <dlfcn.h>

namespace kv::host {

PluginLibrary::~PluginLibrary()
{
    if (handle_ != nullptr)
        dlclose(handle_);
}

bool PluginLibrary::Open(const std::string& path, std::string& error)
{
    // A bare name would make dlopen search the library path: keep it a path.
    const std::string name = path.find('/') == std::string::npos ? "./" + path : path;
    handle_ = dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr) {
        const char* why = dlerror();
        error = "cannot load the plug-in '" + path + "': " + (why != nullptr ? why : "unknown error");
        return false;
    }
    return true;
}

AnyFunction PluginLibrary::Symbol(const char* name) const
{
    return reinterpret_cast<AnyFunction>(dlsym(handle_, name));
}

} // namespace kv::host
