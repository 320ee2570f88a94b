// TCustomEdit, TEdit (one line) and TMemo (many lines, kept in Lines).
#pragma once

#include "ui/Strings.h"
#include "ui/WinControl.h"

namespace kv::ui {

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TCustomEdit : public TWinControl {
public:
    TCustomEdit(TComponent* owner, WindowKind kind) : TWinControl(owner, kind)
    {
        SetTabStop(true);
        SetColor(clWindow);
    }

    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly);
    WindowStyle Style() const override;

private:
    bool readOnly_ = false;
};

class TEdit : public TCustomEdit {
public:
    explicit TEdit(TComponent* owner) : TCustomEdit(owner, WindowKind::Edit) {}
};

class TMemo : public TCustomEdit {
public:
    explicit TMemo(TComponent* owner);

    TStrings& Lines() { return lines_; }
    const TStrings& Lines() const { return lines_; }
    std::u16string Text() const override { return lines_.Text(); }
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle scrollBars);
    WindowStyle Style() const override;

private:
    TStrings lines_;
    TScrollStyle scrollBars_ = TScrollStyle::ssNone;
};

} // namespace kv::ui
