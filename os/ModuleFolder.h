// The folder of the module (the plug-in DLL, or the executable it is linked
// into) that holds this code, so that files shipped beside it can be found.
#pragma once

#include <string>

namespace kv::os {

// With a trailing path delimiter; empty when the system cannot tell.
std::u16string OwnModuleFolder();

// The folder of the process's executable (the host's), likewise.
std::u16string ExecutableFolder();

} // namespace kv::os
