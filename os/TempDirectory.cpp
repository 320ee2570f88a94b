#include "os/TempDirectory.h"

#include "os/Paths.h"

namespace kv {

std::u16string IncludeTrailingPathDelimiter(const std::u16string& path)
{
    if (path.empty() || path.back() == os::PathDelimiter())
        return path;
    return path + os::PathDelimiter();
}

std::u16string GetTempDirectory()
{
    return IncludeTrailingPathDelimiter(os::UserTempFolder());
}

} // namespace kv
