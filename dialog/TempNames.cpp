#include "dialog/TempNames.h"

#include <cstdio>

namespace kv {

std::u16string TempImageName(int32_t left, int32_t top, uint32_t tick)
{
    char name[64];
    std::snprintf(name, sizeof name, "Temp%.3d%.3d%.4u.tif", static_cast<int>(left % 1000), static_cast<int>(top % 1000),
                  static_cast<unsigned>((tick >> 4) % 10000u));
    return std::u16string(name, name + std::char_traits<char>::length(name));
}

} // namespace kv
