// A plug-in library loaded by path at run time and unloaded by the destructor.
#pragma once

#include <string>

#include "entry/plugin.h"
#include "os/DynamicLibrary.h"

namespace kv::host {

using AnyFunction = void (*)();

class PluginLibrary {
public:
    // Loads the library at path (UTF-8); on failure error says why.
    bool Open(const std::string& path, std::string& error);
    // The exported function of that name, or null.
    AnyFunction Symbol(const char* name) const;

private:
    os::DynamicLibrary library_;
};

struct PluginExports {
    decltype(&pi_initialize) initialize = nullptr;
    decltype(&pi_activate) activate = nullptr;
    decltype(&pi_finalize) finalize = nullptr;
};

// Resolves the three exports; names the first missing one in error.
bool ResolveExports(const PluginLibrary& library, PluginExports& exports, std::string& error);

// Resolves one export into a typed function pointer; names it in error when missing.
template <typename F>
bool ResolveExport(const PluginLibrary& library, const char* name, F& function, std::string& error)
{
    function = reinterpret_cast<F>(library.Symbol(name));
    if (function == nullptr)
        error = std::string("the plug-in has no export '") + name + "'";
    return function != nullptr;
}

} // namespace kv::host
