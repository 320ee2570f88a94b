// TMyChkBox and TMyRadButton: a check box and a radio button that paint
// themselves entirely (a small square box with a thick check mark, or an
// octagonal "round" box with a dot, then the caption). Radio buttons with the
// same parent form a group. Built only where the build has these two kinds
// (not in the 32-bit Windows build); CheckControlKinds.h is the view of them
// that code built everywhere uses.
#pragma once

#include <cstdint>

#include "ui/Canvas.h"
#include "ui/CustomControl.h"

namespace kv {

enum class TLeftRight : uint8_t { taLeftJustify, taRightJustify };
enum class TCheckBoxState : uint8_t { cbUnchecked, cbChecked, cbGrayed };

// The box drawings, on any canvas; rectangles exclude their right and bottom edges.
void DrawCheckBox(ui::TCanvas& c, int32_t l, int32_t t, int32_t r, int32_t b, bool checked, bool enabled);
// Two 45-degree strokes in the pen colour from the top-left corner (x, y) of a box s wide.
void DrawCheckMark(ui::TCanvas& c, int32_t x, int32_t y, int32_t s);
// A closed octagon with sides s and corners cut by d, from its top-left corner (x, y).
void DrawOctagon(ui::TCanvas& c, int32_t x, int32_t y, int32_t s, int32_t d);
// The eight corner points of the same octagon in colour.
void DotOctagonCorners(ui::TCanvas& c, int32_t x, int32_t y, int32_t s, int32_t d, ui::TColor colour);
void DrawRadio(ui::TCanvas& c, int32_t l, int32_t t, int32_t r, int32_t b, bool checked, bool enabled);

// What the two kinds share: the fields, the published defaults and the
// painting of box and caption.
class TMyCheckControl : public ui::TCustomControl {
public:
    explicit TMyCheckControl(ui::TComponent* owner);

    // Stored only: the caption is always on the right, there is no grey state.
    TLeftRight Alignment() const { return alignment_; }
    void SetAlignment(TLeftRight value) { alignment_ = value; }
    bool AllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool value) { allowGrayed_ = value; }
    TCheckBoxState State() const { return state_; }
    void SetState(TCheckBoxState value) { state_ = value; }

    bool Checked() const { return checked_; }
    virtual void SetChecked(bool value) = 0;

    void DoEnter() override;
    void DoExit() override;

protected:
    void Paint() override;
    void EnabledChanged() override;
    void TextChanged() override;
    // Raises OnClick as the framework's click does, without the kind's own click handling.
    void RaiseClick() { ui::TControl::Click(); }
    // Takes the focus, when the control can.
    void TakeFocus();

    TLeftRight alignment_ = TLeftRight::taRightJustify;
    bool allowGrayed_ = false;
    bool checked_ = false;
    TCheckBoxState state_ = TCheckBoxState::cbUnchecked;

private:
    virtual void DrawBox(int32_t l, int32_t t, int32_t r, int32_t b, bool enabled) = 0;
    // A radio button's caption sits one pixel further left and up, its
    // rectangle F one pixel further left, and F gets a focus rectangle only
    // when there is a caption.
    virtual bool IsRadio() const = 0;
};

class TMyChkBox : public TMyCheckControl {
public:
    using TMyCheckControl::TMyCheckControl;

    // A change is stored, repainted at once and raises OnClick.
    void SetChecked(bool value) override;
    // A click toggles the box, takes the focus, then raises OnClick.
    void Click() override;
    // After OnKeyPress, a space toggles the box and raises OnClick.
    void KeyPress(char16_t& key) override;

private:
    void DrawBox(int32_t l, int32_t t, int32_t r, int32_t b, bool enabled) override;
    bool IsRadio() const override { return false; }
};

class TMyRadButton : public TMyCheckControl {
public:
    using TMyCheckControl::TMyCheckControl;

    // A change is stored and repainted at once; becoming checked unchecks the
    // group and raises OnClick, becoming unchecked raises nothing.
    void SetChecked(bool value) override;
    // An unchecked button becomes checked, unchecks its group and raises
    // OnClick; a checked one only repaints (and raises nothing).
    void Click() override;
    void KeyPress(char16_t& key) override;
    // Every other radio button of the same parent is unchecked through its setter.
    void UncheckSiblings();

private:
    void DrawBox(int32_t l, int32_t t, int32_t r, int32_t b, bool enabled) override;
    bool IsRadio() const override { return true; }
};

} // namespace kv
