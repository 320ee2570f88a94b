#include "os/Paths.h"

#include <windows.h>

#include "os/win32/TempPathQuery.h"

namespace kv::os {

namespace win32 {

std::wstring QueryTempPath(const TempPathFn& query)
{
    std::wstring buffer(MAX_PATH, L'\0');
    unsigned long length = query(MAX_PATH, buffer.data());
    // A path that grew between the two calls is asked for again too.
    for (int attempt = 0; attempt < 3 && length >= buffer.size(); ++attempt) {
        buffer.assign(length, L'\0');
        length = query(static_cast<unsigned long>(buffer.size()), buffer.data());
    }
    if (length >= buffer.size())
        return {};
    buffer.resize(length); // 0 on failure
    return buffer;
}

} // namespace win32

char16_t PathDelimiter()
{
    return u'\\';
}

std::u16string UserTempFolder()
{
    const std::wstring path = win32::QueryTempPath([](unsigned long size, wchar_t* buffer) -> unsigned long {
        return ::GetTempPathW(size, buffer);
    });
    return std::u16string(path.begin(), path.end());
}

} // namespace kv::os
