// System colours and metrics as the backend knows them.
#pragma once

#include "ui/Types.h"

namespace kv::ui {

// The current RGB value (0x00BBGGRR) of a system colour index.
uint32_t SysColor(int32_t index);
// A system metric (the same indices as the Windows SM_* values).
int32_t SysMetric(int32_t index);
constexpr int32_t kSmCxMenuCheck = 71; // width of a menu check mark
constexpr int32_t kSmCyMenuCheck = 72; // its height

// A system colour code becomes its current RGB value; an RGB colour is returned as it is.
inline uint32_t ColorToRGB(TColor color)
{
    if (color & kSysColorFlag)
        return SysColor(static_cast<int32_t>(color & 0xFF));
    return color & 0x00FFFFFF;
}

} // namespace kv::ui
