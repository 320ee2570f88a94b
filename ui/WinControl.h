// TWinControl: a control with a window of its own (through its WindowPeer),
// children, a place in the tab order and the keyboard focus.
#pragma once

#include <memory>
#include <vector>

#include "ui/Control.h"
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
