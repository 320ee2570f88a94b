#include <windows.h>

#include "support/Files.h"

namespace kv::test {

// Wine maps the Unix root to Z:, so /dev/full is reachable there (it can be
// opened, though not queried for attributes); on real Windows there is no
// such device and the test that needs it is skipped.
std::optional<std::u16string> FullDevicePath()
{
    const wchar_t* path = L"Z:\\dev\\full";
    HANDLE h = ::CreateFileW(path, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return std::nullopt;
    ::CloseHandle(h);
    return u"Z:\\dev\\full";
}

} // namespace kv::test
