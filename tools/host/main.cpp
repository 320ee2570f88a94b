// kelvoran-host: loads a plug-in, hands it an image through the callback and
// drives its dialog from the command line.
#include <cstdio>
#include <string>

#include "tools/host/Arguments.h"
#include "tools/host/HostRun.h"
#include "tools/host/Options.h"

int main(int argc, char** argv)
{
    try {
        const auto parsed = kv::host::ParseOptions(kv::host::ProgramArguments(argc, argv));
        if (!parsed.options) {
            std::fprintf(stderr, "kelvoran-host: %s (see --help)\n", parsed.error.c_str());
            return 2;
        }
        if (parsed.options->help) {
            std::fputs(kv::host::kUsage, stdout);
            return 0;
        }
        return kv::host::RunHost(*parsed.options);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kelvoran-host: %s\n", e.what());
        return 1;
    }
}
