// The owner-drawn check box and radio button as code built for every target
// sees them: the 32-bit Windows build has neither kind, so there every
// control is "None" and nothing is ever treated as one of them.
#pragma once

#include "ui/Component.h"

namespace kv {

enum class CheckControlKind { None, CheckBox, RadioButton };

// TMyChkBox or TMyRadButton (or a kind derived from them) behind c, if this build has them.
CheckControlKind KindOfCheckControl(const ui::TComponent* c);
// The Checked state of such a control; false for any other.
bool CheckControlChecked(const ui::TComponent* c);
// Through the control's Checked setter (with its events and group rule); nothing for any other.
void SetCheckControlChecked(ui::TComponent* c, bool checked);

} // namespace kv
