#include "os/ModuleFolder.h"

#include <dlfcn.h>

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

} // namespace kv::os
