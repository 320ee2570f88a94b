// The program's arguments after its name, as UTF-8.
#pragma once

#include <string>
#include <vector>

namespace kv::host {

std::vector<std::string> ProgramArguments(int argc, char** argv);

} // namespace kv::host
