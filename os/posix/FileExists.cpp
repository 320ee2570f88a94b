#include "os/FileExists.h"

#include <sys/stat.h>

#include "os/Utf.h"

namespace kv::os {

bool FileExists(const std::u16string& path)
{
    struct stat st {};
    return !path.empty() && ::stat(Utf16ToUtf8(path).c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

} // namespace kv::os
