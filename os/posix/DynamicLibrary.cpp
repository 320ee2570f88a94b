#include "os/DynamicLibrary.h"

#include <dlfcn.h>

#include "os/Utf.h"

namespace kv::os {

DynamicLibrary::~DynamicLibrary() { Close(); }

bool DynamicLibrary::Open(const std::u16string& path, std::string* why)
{
    Close();
    handle_ = ::dlopen(Utf16ToUtf8(path).c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr && why != nullptr) {
        const char* reason = ::dlerror();
        *why = reason != nullptr ? reason : "unknown error";
    }
    return handle_ != nullptr;
}

void* DynamicLibrary::Symbol(const char* name) const { return handle_ ? ::dlsym(handle_, name) : nullptr; }

void DynamicLibrary::Close()
{
    if (handle_)
        ::dlclose(handle_);
    handle_ = nullptr;
}

} // namespace kv::os
