// The test process's environment, which child processes inherit.
#pragma once

#include <filesystem>

namespace kv::test {

// Points the system's temporary-folder variables (TMPDIR; on Windows TMP and
// TEMP) at folder, for this process and the programs it starts.
void UseTemporaryFolder(const std::filesystem::path& folder);

} // namespace kv::test
