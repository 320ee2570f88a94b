// Builds that have the owner-drawn check box and radio button.
#include "controls/CheckControlKinds.h"

#include "controls/FCCheckControls.h"

namespace kv {

CheckControlKind KindOfCheckControl(const ui::TComponent* c)
{
    if (dynamic_cast<const TMyChkBox*>(c))
        return CheckControlKind::CheckBox;
    if (dynamic_cast<const TMyRadButton*>(c))
        return CheckControlKind::RadioButton;
    return CheckControlKind::None;
}

bool CheckControlChecked(const ui::TComponent* c)
{
    const auto* control = dynamic_cast<const TMyCheckControl*>(c);
    return control && control->Checked();
}

void SetCheckControlChecked(ui::TComponent* c, bool checked)
{
    if (auto* control = dynamic_cast<TMyCheckControl*>(c))
        control->SetChecked(checked);
}

} // namespace kv
