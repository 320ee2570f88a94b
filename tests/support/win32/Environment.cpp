#include "support/Environment.h"

#include <windows.h>

namespace kv::test {

void UseTemporaryFolder(const std::filesystem::path& folder)
{
    // GetTempPathW looks at TMP, then TEMP.
    ::SetEnvironmentVariableW(L"TMP", folder.c_str());
    ::SetEnvironmentVariableW(L"TEMP", folder.c_str());
}

} // namespace kv::test
