#include "ui/WinControl.h"

#include <algorithm>

#include "ui/Form.h"

namespace kv::ui {

TWinControl::TWinControl(TComponent* owner, WindowKind kind) : TControl(owner), kind_(kind) {}

TWinControl::~TWinControl()
{
    DestroyHandles();
    for (TControl* c : controls_)
        c->parent_ = nullptr;
}

void TWinControl::SetParent(TWinControl* parent)
{
    TControl::SetParent(parent);
    if (parent && parent->peer_)
        CreateHandles();
}

std::u16string TWinControl::Text() const
{
    if (peer_)
        if (auto text = peer_->Text())
            return *text;
    return text_;
}

void TWinControl::SetTabStop(bool tabStop)
{
    if (tabStop == tabStop_)
        return;
    tabStop_ = tabStop;
    if (peer_)
        peer_->UpdateStyle();
}

void TWinControl::SetFocus()
{
    if (TForm* form = ParentForm(); form && form != this)
        form->SetActiveControl(this);
    if (peer_)
        peer_->SetFocus();
}

bool TWinControl::Focused() const
{
    if (peer_)
        if (auto focused = peer_->Focused())
            return *focused;
    TForm* form = const_cast<TWinControl*>(this)->ParentForm();
    return form && form->ActiveControl() == this;
}

bool TWinControl::CanFocus() const
{
    for (const TControl* c = this; c; c = c->Parent())
        if (!c->Visible() || !c->Enabled())
            return false;
    return true;
}

void TWinControl::ApplyTabOrder()
{
    std::vector<TWinControl*> children;
    for (TControl* c : controls_)
        if (auto* w = dynamic_cast<TWinControl*>(c))
            children.push_back(w);
    std::stable_sort(children.begin(), children.end(),
                     [](const TWinControl* a, const TWinControl* b) { return a->tabOrder_ < b->tabOrder_; });
    WindowPeer* previous = nullptr;
    for (TWinControl* w : children) {
        if (w->peer_) {
            w->peer_->PlaceAfter(previous);
            previous = w->peer_.get();
        }
        w->ApplyTabOrder();
    }
}

WindowStyle TWinControl::Style() const
{
    WindowStyle style;
    style.kind = kind_;
    style.tabStop = tabStop_;
    return style;
}

bool TWinControl::WndProc(TMessage&)
{
    return false;
}

intptr_t TWinControl::Perform(uint32_t message, uintptr_t wParam, intptr_t lParam)
{
    if (peer_)
        if (auto result = peer_->Perform(message, wParam, lParam))
            return *result;
    TMessage m{message, wParam, lParam, 0};
    WndProc(m);
    return m.Result;
}

void TWinControl::KeyPress(char16_t& key)
{
    if (OnKeyPress)
        OnKeyPress(this, key);
}

void TWinControl::DoEnter()
{
    if (OnEnter)
        OnEnter(this);
}

void TWinControl::DoExit()
{
    if (OnExit)
        OnExit(this);
}

void TWinControl::PaintChild(TGraphicControl& child, bool now)
{
    if (peer_)
        peer_->PaintChild(child, now);
}

void TWinControl::RemoveControl(TControl* control)
{
    controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
}

void TWinControl::CreateHandles()
{
    if (!peer_)
        peer_ = CreateWindowPeer(*this);
    for (TControl* c : controls_)
        if (auto* w = dynamic_cast<TWinControl*>(c))
            w->CreateHandles();
}

void TWinControl::AdoptPeer(std::unique_ptr<WindowPeer> peer)
{
    peer_ = std::move(peer);
}

void TWinControl::DestroyHandles()
{
    // Children first, so no window outlives its parent's.
    for (TControl* c : controls_)
        if (auto* w = dynamic_cast<TWinControl*>(c))
            w->DestroyHandles();
    peer_.reset();
}

void TWinControl::BoundsChanged()
{
    if (peer_)
        peer_->SetBounds(BoundsRect());
}

void TWinControl::TextChanged()
{
    if (peer_)
        peer_->SetText(text_);
}

void TWinControl::VisibleChanged()
{
    if (peer_)
        peer_->SetVisible(Visible());
}

void TWinControl::EnabledChanged()
{
    if (peer_)
        peer_->SetEnabled(Enabled());
}

void TWinControl::FontChanged()
{
    if (peer_)
        peer_->SetFont();
}

} // namespace kv::ui
