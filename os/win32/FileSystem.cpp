#include "os/FileSystem.h"

#include <windows.h>

namespace kv::os {

namespace {
const wchar_t* Wide(const std::u16string& s) { return reinterpret_cast<const wchar_t*>(s.c_str()); }
} // namespace

bool FileExists(const std::u16string& path)
{
    // The attributes follow a symbolic link to its target.
    const DWORD attributes = ::GetFileAttributesW(Wide(path));
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool DeleteFileAt(const std::u16string& path) { return ::DeleteFileW(Wide(path)) != FALSE; }

bool CopyFileOver(const std::u16string& from, const std::u16string& to)
{
    return ::CopyFileW(Wide(from), Wide(to), FALSE) != FALSE;
}

} // namespace kv::os
