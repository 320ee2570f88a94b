#include "support/Environment.h"

#include <cstdlib>

namespace kv::test {

void UseTemporaryFolder(const std::filesystem::path& folder)
{
    ::setenv("TMPDIR", folder.c_str(), 1);
}

} // namespace kv::test
