#include "tools/host/PluginLibrary.h"

namespace kv::host {

bool ResolveExports(const PluginLibrary& library, PluginExports& exports, std::string& error)
{
    return ResolveExport(library, "pi_initialize", exports.initialize, error) &&
           ResolveExport(library, "pi_activate", exports.activate, error) &&
           ResolveExport(library, "pi_finalize", exports.finalize, error);
}

} // namespace kv::host
