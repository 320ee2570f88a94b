// Fixed system colours and metrics, so that headless painting is repeatable:
// the classic Windows values.
#include "ui/SysColors.h"

#include <array>

namespace kv::ui {

uint32_t SysColor(int32_t index)
{
    static constexpr std::array<uint32_t, 31> kColors = {
        0xC8C8C8, 0xA56E3A, 0xD1B499, 0xDBCDBF, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000,
        0x000000, 0x000000, 0xB4B4B4, 0xFCF7F4, 0xABABAB, 0xD77800, 0xFFFFFF, 0xF0F0F0,
        0xA0A0A0, 0x6D6D6D, 0x000000, 0x000000, 0xFFFFFF, 0x696969, 0xE3E3E3, 0x000000,
        0xE1FFFF, 0x000000, 0xCC6600, 0xEAD1B9, 0xF2E4D7, 0xD77800, 0xF0F0F0};
    if (index < 0 || index >= static_cast<int32_t>(kColors.size()))
        return 0;
    return kColors[static_cast<size_t>(index)];
}

int32_t SysMetric(int32_t index)
{
    switch (index) {
    case 0: return 1024; // SM_CXSCREEN
    case 1: return 768;  // SM_CYSCREEN
    case 5: return 1;    // SM_CXBORDER
    case 6: return 1;    // SM_CYBORDER
    case 7: return 3;    // SM_CXFIXEDFRAME
    case 8: return 3;    // SM_CYFIXEDFRAME
    case 71: return 15;  // SM_CXMENUCHECK
    case 72: return 15;  // SM_CYMENUCHECK
    default: return 0;
    }
}

} // namespace kv::ui
