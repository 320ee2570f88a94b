// TButton (push button), TCheckBox and TRadioButton.
#pragma once

#include "ui/Canvas.h"
#include "ui/WinControl.h"

namespace kv::ui {

// One draw request of an owner-drawn button: its state and its whole client area.
struct TDrawItem {
    uint32_t ItemState = 0; // item_state bits
    CanvasSurface* Surface = nullptr;
};

// The values of the system's ODS_* bits.
namespace item_state {
constexpr uint32_t kSelected = 0x01;
constexpr uint32_t kDisabled = 0x04;
constexpr uint32_t kFocus = 0x10;
} // namespace item_state

class TButton : public TWinControl {
public:
    explicit TButton(TComponent* owner) : TWinControl(owner, WindowKind::Button) { SetTabStop(true); }

    // Repaints at the next paint cycle, or now (the headless backend always paints at once).
    void Invalidate();
    void Repaint();
    // An owner-drawn button (Style().ownerDraw) paints every request here.
    virtual void DrawItem(const TDrawItem&) {}
    // The size of the item for the system's measure request.
    virtual void MeasureItem(int32_t& width, int32_t& height);
    // The default-button notification: whether Enter would press this button
    // now. It follows the focus; the default changes the button's system style.
    virtual void SetButtonStyle(bool isDefault);

    bool WndProc(TMessage& m) override;
};

// A button with a checked state. UserClick changes the state as a user's click
// does, then runs the click event; SetChecked runs no event.
class TButtonControl : public TWinControl {
public:
    TButtonControl(TComponent* owner, WindowKind kind) : TWinControl(owner, kind) { SetTabStop(true); }

    bool Checked() const;
    virtual void SetChecked(bool checked);
    virtual void UserClick() = 0;

protected:
    bool checked_ = false;
};

class TCheckBox : public TButtonControl {
public:
    explicit TCheckBox(TComponent* owner) : TButtonControl(owner, WindowKind::CheckBox) {}
    void UserClick() override;
};

// Checking a radio button unchecks the other radio buttons of its parent.
class TRadioButton : public TButtonControl {
public:
    explicit TRadioButton(TComponent* owner) : TButtonControl(owner, WindowKind::RadioButton) {}
    void SetChecked(bool checked) override;
    void UserClick() override;
};

} // namespace kv::ui
