#include "os/Paths.h"

#include <windows.h>

namespace kv::os {

char16_t PathDelimiter()
{
    return u'\\';
}

std::u16string UserTempFolder()
{
    // Room for MAX_PATH characters first; a longer path is asked for again
    // with the size the system reports (which then counts the NUL).
    std::wstring buffer(MAX_PATH, L'\0');
    DWORD length = ::GetTempPathW(MAX_PATH, buffer.data());
    if (length >= MAX_PATH) {
        buffer.assign(length, L'\0');
        length = ::GetTempPathW(static_cast<DWORD>(buffer.size()), buffer.data());
        if (length >= buffer.size())
            return {};
    }
    buffer.resize(length); // 0 on failure
    return std::u16string(buffer.begin(), buffer.end());
}

} // namespace kv::os
