#include "ui/Form.h"

#include <algorithm>
#include <vector>

namespace kv::ui {

TForm::TForm(TComponent* owner) : TWinControl(owner, WindowKind::Form)
{
    auto peer = CreateFormPeer(*this); // made hidden
    formPeer_ = peer.get();
    AdoptPeer(std::move(peer));
    SetVisible(false);
}

TForm::~TForm()
{
    // Controls go before the form's own window, while it still exists.
    activeControl_ = nullptr;
    DestroyComponents();
    DestroyHandles();
}

void TForm::SetClientSize(int32_t width, int32_t height)
{
    clientWidth_ = width;
    clientHeight_ = height;
    formPeer_->SetClientSize(width, height);
}

int32_t TForm::ScreenLeft() const
{
    const auto origin = formPeer_->ScreenOrigin();
    return origin ? origin->first : Left();
}

int32_t TForm::ScreenTop() const
{
    const auto origin = formPeer_->ScreenOrigin();
    return origin ? origin->second : Top();
}

void TForm::SetStayOnTop(bool stayOnTop)
{
    stayOnTop_ = stayOnTop;
    formPeer_->SetTopMost(stayOnTop);
}

void TForm::Show()
{
    if (!shownBefore_) {
        shownBefore_ = true;
        ApplyTabOrder();
        if (position_ == TPosition::poScreenCenter)
            formPeer_->CenterOnScreen();
    }
    SetVisible(true);
    TWinControl* focus = activeControl_ && activeControl_->CanFocus() ? activeControl_ : FirstTabStop();
    if (focus)
        focus->SetFocus();
}

void TForm::Close()
{
    Hide();
}

void TForm::Release()
{
    formPeer_->PostRelease();
}

void TForm::HandleRelease()
{
    if (eventDepth_ > 0) {
        releaseDeferred_ = true;
        return;
    }
    delete this;
}

TForm::EventScope::EventScope(TForm* form) : form_(form)
{
    if (form_)
        ++form_->eventDepth_;
}

TForm::EventScope::~EventScope()
{
    if (!form_ || --form_->eventDepth_ > 0 || !form_->releaseDeferred_)
        return;
    form_->releaseDeferred_ = false;
    form_->Release();
}

void TForm::VisibleChanged()
{
    if (Visible())
        formPeer_->Show();
    else
        formPeer_->Hide();
}

void TForm::ColorChanged()
{
    formPeer_->Invalidate();
}

TWinControl* TForm::FirstTabStop() const
{
    std::vector<TWinControl*> stops;
    for (int32_t i = 0; i < ControlCount(); ++i)
        if (auto* w = dynamic_cast<TWinControl*>(Controls(i)); w && w->TabStop() && w->CanFocus())
            stops.push_back(w);
    auto first = std::min_element(stops.begin(), stops.end(),
                                  [](const TWinControl* a, const TWinControl* b) { return a->TabOrder() < b->TabOrder(); });
    return first == stops.end() ? nullptr : *first;
}

} // namespace kv::ui
