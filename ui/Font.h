// TFont: the typeface of a control or canvas. Height in pixels (negative: the
// character height without internal leading, as the system takes it).
#pragma once

#include <cstdint>
#include <string>

#include "ui/Types.h"

namespace kv::ui {

struct TFont {
    std::u16string Name = u"Tahoma";
    int32_t Height = -11; // 8 point at 96 dots per inch
    TColor Color = clWindowText;
    uint8_t Charset = 1;  // DEFAULT_CHARSET
    bool Bold = false;
    bool operator==(const TFont&) const = default;

    // Points at 96 dots per inch, rounded as the system rounds them.
    int32_t Size() const { return (-Height * 72 + 48) / 96; }
    void SetSize(int32_t points) { Height = -(points * 96 + 36) / 72; }
};

} // namespace kv::ui
