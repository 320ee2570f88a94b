// Builds without the owner-drawn check box and radio button (32-bit Windows):
// no control is one of them.
#include "controls/CheckControlKinds.h"

namespace kv {

CheckControlKind KindOfCheckControl(const ui::TComponent*)
{
    return CheckControlKind::None;
}

bool CheckControlChecked(const ui::TComponent*)
{
    return false;
}

void SetCheckControlChecked(ui::TComponent*, bool) {}

} // namespace kv
