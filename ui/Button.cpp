#include "ui/Button.h"

namespace kv::ui {

void TButton::Invalidate()
{
    if (Peer())
        Peer()->Invalidate();
}

void TButton::Repaint()
{
    if (Peer())
        Peer()->Repaint();
}

void TButton::MeasureItem(int32_t& width, int32_t& height)
{
    width = Width();
    height = Height();
}

void TButton::SetButtonStyle(bool isDefault)
{
    Perform(msg::kButtonSetStyle, isDefault ? msg::kStyleDefPushButton : 0, 1);
}

bool TButton::WndProc(TMessage& m)
{
    if (m.Msg == msg::kSetFocus)
        SetButtonStyle(true);
    else if (m.Msg == msg::kKillFocus)
        SetButtonStyle(false);
    return false; // the system's focus handling runs as well
}

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
