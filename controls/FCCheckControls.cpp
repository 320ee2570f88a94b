#include "controls/FCCheckControls.h"

#include <utility>

#include "ui/SysColors.h"

namespace kv {

TMyCheckControl::TMyCheckControl(ui::TComponent* owner) : ui::TCustomControl(owner)
{
    SetTabStop(true);
    SetDoubleClicks(false); // a double click arrives as two single clicks
}

void TMyCheckControl::Paint()
{
    ui::TCanvas& c = Canvas();
    // The erase that precedes every paint.
    c.Brush.Color = Color();
    c.FillRect(ClientRect());

    const int32_t cw = ui::SysMetric(ui::kSmCxMenuCheck), ch = ui::SysMetric(ui::kSmCyMenuCheck);
    const int32_t top = (Height() - ch) / 2 + 1;
    DrawBox(0, top, cw - 2, top + ch - 2, Enabled());

    c.Font = Font();
    c.Font.Color = Enabled() ? ui::clWindowText : ui::clBtnShadow;
    c.Brush.Style = ui::TBrushStyle::bsSolid;
    c.Brush.Color = ui::clBtnFace;
    const std::u16string caption = Caption();
    const int32_t w = c.TextWidth(caption);
    const bool radio = IsRadio();
    c.TextOut(radio ? cw + 3 : cw + 4, radio ? top - 1 : top, caption);
    const ui::TRect f = radio ? ui::TRect{cw + 1, 0, cw + w + 4, Height()} : ui::TRect{cw + 2, 0, cw + w + 5, Height()};
    c.Brush.Color = ui::clBtnFace;
    c.FrameRect(f); // wipes a focus rectangle drawn earlier
    if (Focused() && (!radio || !caption.empty()))
        c.DrawFocusRect(f);
}

void TMyCheckControl::DoEnter()
{
    ui::TCustomControl::DoEnter();
    Repaint();
}

void TMyCheckControl::DoExit()
{
    ui::TCustomControl::DoExit();
    Repaint();
}

void TMyCheckControl::EnabledChanged()
{
    ui::TCustomControl::EnabledChanged();
    Invalidate();
}

void TMyCheckControl::TextChanged()
{
    ui::TCustomControl::TextChanged();
    Invalidate();
}

void TMyCheckControl::TakeFocus()
{
    if (CanFocus())
        SetFocus();
}

void TMyChkBox::DrawBox(int32_t l, int32_t t, int32_t r, int32_t b, bool enabled)
{
    DrawCheckBox(Canvas(), l, t, r, b, checked_, enabled);
}

void TMyChkBox::SetChecked(bool value)
{
    if (value == checked_)
        return;
    checked_ = value;
    Repaint();
    RaiseClick();
}

void TMyChkBox::Click()
{
    checked_ = !checked_;
    Repaint();
    TakeFocus();
    RaiseClick();
}

void TMyChkBox::KeyPress(char16_t& key)
{
    ui::TCustomControl::KeyPress(key);
    if (key != u' ')
        return;
    checked_ = !checked_;
    Repaint();
    RaiseClick();
}

void TMyRadButton::DrawBox(int32_t l, int32_t t, int32_t r, int32_t b, bool enabled)
{
    DrawRadio(Canvas(), l, t, r, b, checked_, enabled);
}

void TMyRadButton::SetChecked(bool value)
{
    if (value == checked_)
        return;
    checked_ = value;
    Repaint();
    if (!value)
        return;
    UncheckSiblings();
    RaiseClick();
}

void TMyRadButton::UncheckSiblings()
{
    ui::TWinControl* parent = Parent();
    if (!parent)
        return;
    for (int32_t i = 0; i < parent->ControlCount(); ++i)
        if (auto* other = dynamic_cast<TMyRadButton*>(parent->Controls(i)); other && other != this)
            other->SetChecked(false);
}

void TMyRadButton::Click()
{
    if (checked_) {
        Repaint();
        TakeFocus();
        // The framework's click runs without the handler: a checked button raises nothing.
        ui::TNotifyEvent handler = std::exchange(OnClick, nullptr);
        RaiseClick();
        OnClick = std::move(handler);
        return;
    }
    checked_ = true;
    Repaint();
    UncheckSiblings();
    TakeFocus();
    RaiseClick();
}

void TMyRadButton::KeyPress(char16_t& key)
{
    ui::TCustomControl::KeyPress(key);
    if (key != u' ')
        return;
    if (checked_) {
        Repaint();
        return;
    }
    checked_ = true;
    Repaint();
    UncheckSiblings();
    RaiseClick();
}

} // namespace kv
