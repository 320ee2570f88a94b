// The kinds of control whose value the autosaver stores, in the order in which
// a control is tested against them. A kind includes every derived class.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "ui/Component.h"

namespace kv {

struct ControlKind {
    const char* name;
    bool (*matches)(ui::TComponent& component);
    // The value's text as stored in the settings file.
    std::u16string (*collect)(ui::TComponent& component);
    // Sets the value through the control's ordinary setter.
    void (*apply)(ui::TComponent& component, std::u16string_view value);
    // The text kind takes an empty value too; the others leave the control as it is.
    bool appliesEmpty;
};

// The kinds, first match wins.
std::span<const ControlKind> ControlKinds();

// The first kind that component belongs to, or null.
const ControlKind* KindOf(ui::TComponent& component);

// value as a signed 32-bit decimal integer (an optional sign, then digits);
// 0 when it is not one or does not fit.
int32_t ValueAsInteger(std::u16string_view value);

} // namespace kv
