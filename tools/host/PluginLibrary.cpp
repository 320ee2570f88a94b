#include "tools/host/PluginLibrary.h"

#include "os/Utf.h"

namespace kv::host {

bool PluginLibrary::Open(const std::string& path, std::string& error)
{
    // The plug-in is named by a path: a bare name must not send the system
    // searching its library folders for one of the same name.
    const std::string local = path.find_first_of("/\\") == std::string::npos ? "./" + path : path;
    std::string why;
    if (library_.Open(os::Utf8ToUtf16(local), &why))
        return true;
    error = "cannot load the plug-in '" + path + "': " + why;
    return false;
}

AnyFunction PluginLibrary::Symbol(const char* name) const
{
    return reinterpret_cast<AnyFunction>(library_.Symbol(name));
}

} // namespace kv::host
