// Runs the registered benchmarks and prints, after the usual table, the ratio
// of one benchmark's mean real time to a baseline's, measured in the same run.
#pragma once

#include <string>

namespace kv::bench {

// Returns the process exit code. target and baseline are benchmark names.
int RunWithRatio(int argc, char** argv, const std::string& target, const std::string& baseline, double goal);

} // namespace kv::bench
