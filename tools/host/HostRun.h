// One run of the host: open the image, load the plug-in, register it, show
// its dialog, do what the options ask, release the plug-in, save and report.
#pragma once

#include "tools/host/Options.h"

namespace kv::host {

// The exit code: 0 on success, 1 after printing one line on the host's own error.
int RunHost(const HostOptions& options);

} // namespace kv::host
