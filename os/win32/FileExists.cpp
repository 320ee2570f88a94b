#include "os/FileExists.h"

#include <windows.h>

namespace kv::os {

bool FileExists(const std::u16string& path)
{
    if (path.empty())
        return false;
    const auto* wide = reinterpret_cast<const wchar_t*>(path.c_str());
    const DWORD attributes = ::GetFileAttributesW(wide);
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return false;
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0)
        return (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    // A link: what counts is its target, reached by opening it.
    HANDLE target = ::CreateFileW(wide, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                  FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (target == INVALID_HANDLE_VALUE)
        return false;
    BY_HANDLE_FILE_INFORMATION info{};
    const bool ok = ::GetFileInformationByHandle(target, &info) != 0;
    ::CloseHandle(target);
    return ok && (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

} // namespace kv::os
