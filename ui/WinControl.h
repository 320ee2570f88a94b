// TWinControl: a control with a window of its own (through its WindowPeer),
// children, a place in the tab order and the keyboard focus.
#pragma once

#include <memory>
#include <vector>

#include "ui/Control.h"
#include "ui/Messages.h"
#include "ui/WindowPeer.h"

namespace kv::ui {

class TWinControl : public TControl {
public:
    TWinControl(TComponent* owner, WindowKind kind);
    ~TWinControl() override;

    void SetParent(TWinControl* parent) override;
    std::u16string Text() const override;

    // Children in the order they were parented.
    int32_t ControlCount() const { return static_cast<int32_t>(controls_.size()); }
    TControl* Controls(int32_t index) const { return controls_.at(static_cast<size_t>(index)); }

    // The identifier of the child window (the system finds it by it, as
    // GetDlgItem does); taken when the window is made, so set it before.
    int32_t ControlId() const { return controlId_; }
    void SetControlId(int32_t id) { controlId_ = id; }

    int32_t TabOrder() const { return tabOrder_; }
    void SetTabOrder(int32_t order) { tabOrder_ = order; }
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool tabStop);

    // The system's window handle; null in the headless backend or before a parent is set.
    void* Handle() const { return peer_ ? peer_->Handle() : nullptr; }
    bool HandleAllocated() const { return peer_ != nullptr; }
    void SetFocus();
    bool Focused() const;
    bool CanFocus() const;

    // Orders the windowed children by TabOrder, recursively.
    void ApplyTabOrder();

    // What the backend needs to create or restyle the window.
    virtual WindowStyle Style() const;

    // A message of this control's window, before the system's own handling;
    // true when handled (m.Result is then the answer).
    virtual bool WndProc(TMessage& m);
    // Sends a message to this control's window (headless: straight to WndProc).
    intptr_t Perform(uint32_t message, uintptr_t wParam, intptr_t lParam);

    // A character typed while the control has the focus; the handler may change it.
    std::function<void(TObject* sender, char16_t& key)> OnKeyPress;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    // Backend calls for typed characters and focus changes.
    virtual void KeyPress(char16_t& key);
    virtual void DoEnter();
    virtual void DoExit();

    // Paints a windowless child on this control's surface: now, or at the next paint cycle.
    void PaintChild(TGraphicControl& child, bool now);

protected:
    friend class TControl;
    void InsertControl(TControl* control) { controls_.push_back(control); }
    void RemoveControl(TControl* control);

    WindowPeer* Peer() const { return peer_.get(); }
    // Creates this window and those of the children that lack one.
    void CreateHandles();
    void AdoptPeer(std::unique_ptr<WindowPeer> peer);
    void DestroyHandles();

    void BoundsChanged() override;
    void TextChanged() override;
    void VisibleChanged() override;
    void EnabledChanged() override;
    void FontChanged() override;

private:
    WindowKind kind_;
    std::unique_ptr<WindowPeer> peer_;
    std::vector<TControl*> controls_;
    int32_t controlId_ = 0;
    int32_t tabOrder_ = 0;
    bool tabStop_ = false;
};

} // namespace kv::ui
