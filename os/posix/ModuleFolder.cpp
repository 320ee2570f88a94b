#include "os/ModuleFolder.h"

#include <dlfcn.h>
#include <unistd.h>

#include "os/Utf.h"

namespace kv::os {

std::u16string OwnModuleFolder()
{
    Dl_info info{};
    if (::dladdr(reinterpret_cast<void*>(&OwnModuleFolder), &info) == 0 || info.dli_fname == nullptr)
        return {};
    std::u16string path = Utf8ToUtf16(info.dli_fname);
    const auto slash = path.find_last_of(u'/');
    return slash == std::u16string::npos ? std::u16string{} : path.substr(0, slash + 1);
}

std::u16string ExecutableFolder()
{
    std::string path(4096, '\0');
    const ssize_t n = ::readlink("/proc/self/exe", path.data(), path.size());
    if (n <= 0 || static_cast<std::size_t>(n) >= path.size())
        return {};
    path.resize(static_cast<std::size_t>(n));
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? std::u16string{} : Utf8ToUtf16(path.substr(0, slash + 1));
}

} // namespace kv::os
