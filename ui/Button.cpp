#include "ui/Button.h"

namespace kv::ui {

bool TButtonControl::Checked() const
{
    if (Peer())
        if (auto checked = Peer()->Checked())
            return *checked;
    return checked_;
}

void TButtonControl::SetChecked(bool checked)
{
    checked_ = checked;
    if (Peer())
        Peer()->SetChecked(checked);
}

void TCheckBox::UserClick()
{
    SetChecked(!Checked());
    Click();
}

void TRadioButton::SetChecked(bool checked)
{
    TButtonControl::SetChecked(checked);
    if (!checked || !Parent())
        return;
    for (int32_t i = 0; i < Parent()->ControlCount(); ++i)
        if (auto* other = dynamic_cast<TRadioButton*>(Parent()->Controls(i)); other && other != this)
            other->TButtonControl::SetChecked(false);
}

void TRadioButton::UserClick()
{
    SetChecked(true);
    Click();
}

} // namespace kv::ui
