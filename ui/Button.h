// TButton (push button), TCheckBox and TRadioButton.
#pragma once

#include "ui/WinControl.h"

namespace kv::ui {

class TButton : public TWinControl {
public:
    explicit TButton(TComponent* owner) : TWinControl(owner, WindowKind::Button) { SetTabStop(true); }
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
