#include "os/FileSystem.h"

#include <windows.h>

#include "os/win32/Handles.h"

namespace kv::os {

namespace {
const wchar_t* Wide(const std::u16string& s) { return reinterpret_cast<const wchar_t*>(s.c_str()); }
} // namespace

bool FileExists(const std::u16string& path)
{
    if (path.empty())
        return false;
    const DWORD attributes = ::GetFileAttributesW(Wide(path));
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return false;
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0)
        return (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    // A link: what counts is its target, reached by opening it.
    const win32::UniqueHandle target(::CreateFileW(Wide(path), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                                   nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION info{};
    return target.IsValid() && ::GetFileInformationByHandle(target.Get(), &info) != 0 &&
           (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool DeleteFileAt(const std::u16string& path) { return ::DeleteFileW(Wide(path)) != FALSE; }

bool CopyFileOver(const std::u16string& from, const std::u16string& to)
{
    return ::CopyFileW(Wide(from), Wide(to), FALSE) != FALSE;
}

bool MoveFileOver(const std::u16string& from, const std::u16string& to)
{
    return ::MoveFileExW(Wide(from), Wide(to), MOVEFILE_REPLACE_EXISTING) != FALSE;
}

} // namespace kv::os
