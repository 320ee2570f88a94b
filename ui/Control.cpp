#include "ui/Control.h"

#include "ui/Form.h"
#include "ui/WinControl.h"

namespace kv::ui {

TControl::TControl(TComponent* owner) : TComponent(owner) {}

TControl::~TControl()
{
    if (parent_)
        parent_->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent)
{
    if (parent == parent_)
        return;
    if (parent_)
        parent_->RemoveControl(this);
    parent_ = parent;
    if (parent_) {
        font_ = parent_->Font(); // the parent's font, as the dialog's controls take it
        parent_->InsertControl(this);
    }
}

void TControl::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height)
{
    const TRect next = Bounds(left, top, width, height);
    if (next == bounds_)
        return;
    bounds_ = next;
    BoundsChanged();
}

void TControl::SetVisible(bool visible)
{
    if (visible == visible_)
        return;
    visible_ = visible;
    VisibleChanged();
}

void TControl::SetEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    EnabledChanged();
}

void TControl::SetText(const std::u16string& text)
{
    text_ = text;
    TextChanged();
}

void TControl::SetFont(const TFont& font)
{
    if (font == font_)
        return;
    font_ = font;
    FontChanged();
}

void TControl::SetColor(TColor color)
{
    if (color == color_)
        return;
    color_ = color;
    ColorChanged();
}

void TControl::Click()
{
    if (!OnClick)
        return;
    // A handler that processes messages (the tool runner does) must not see
    // its form released under it.
    const TForm::EventScope scope(ParentForm());
    OnClick(this);
}

void TGraphicControl::Repaint()
{
    if (Parent() && Visible())
        Parent()->PaintChild(*this, true);
}

void TGraphicControl::Invalidate()
{
    if (Parent())
        Parent()->PaintChild(*this, false);
}

void TGraphicControl::PaintOn(CanvasSurface& surface)
{
    canvas_.Attach(&surface);
    canvas_.Font = Font();
    canvas_.Brush = TBrush{};
    canvas_.Pen = TPen{};
    Paint();
    canvas_.Attach(nullptr);
}

TForm* TControl::ParentForm()
{
    TControl* c = this;
    while (c->parent_)
        c = c->parent_;
    return dynamic_cast<TForm*>(c);
}

} // namespace kv::ui
