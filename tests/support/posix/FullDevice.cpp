#include <filesystem>

#include "support/Files.h"

namespace kv::test {

std::optional<std::u16string> FullDevicePath()
{
    if (std::filesystem::exists("/dev/full"))
        return u"/dev/full";
    return std::nullopt;
}

} // namespace kv::test
