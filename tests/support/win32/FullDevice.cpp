#include <windows.h>

#include "os/win32/Handles.h"
#include "support/Files.h"

namespace kv::test {

// Wine maps the Unix root to Z:, so /dev/full is reachable there (it can be
// opened, though not queried for attributes); on real Windows there is no
// such device and the test that needs it is skipped.
std::optional<std::u16string> FullDevicePath()
{
    const wchar_t* path = L"Z:\\dev\\full";
    const os::win32::UniqueHandle device(
        ::CreateFileW(path, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!device.IsValid())
        return std::nullopt;
    return u"Z:\\dev\\full";
}

} // namespace kv::test
