// TControl: anything visible with a parent, bounds, a text and a click event.
// TGraphicControl: a control without a window of its own.
#pragma once

#include <string>

#include "ui/Canvas.h"
#include "ui/Component.h"
#include "ui/Font.h"

namespace kv::ui {

class TWinControl;
class TForm;

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);

    int32_t Left() const { return bounds_.Left; }
    int32_t Top() const { return bounds_.Top; }
    int32_t Width() const { return bounds_.Width(); }
    int32_t Height() const { return bounds_.Height(); }
    TRect BoundsRect() const { return bounds_; }
    void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height);
    TRect ClientRect() const { return TRect{0, 0, Width(), Height()}; }

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    // Caption and Text are one property, as for the system's window text.
    virtual std::u16string Text() const { return text_; }
    void SetText(const std::u16string& text);
    std::u16string Caption() const { return Text(); }
    void SetCaption(const std::u16string& text) { SetText(text); }

    const TFont& Font() const { return font_; }
    void SetFont(const TFont& font);
    TColor Color() const { return color_; }
    void SetColor(TColor color);

    TNotifyEvent OnClick;
    // Runs the click event, as a user's click does.
    virtual void Click();

    // The form this control sits on (itself for a form), or null.
    TForm* ParentForm();

protected:
    // Backend hooks: a windowed control passes changes to its window.
    virtual void BoundsChanged() {}
    virtual void TextChanged() {}
    virtual void VisibleChanged() {}
    virtual void EnabledChanged() {}
    virtual void FontChanged() {}
    virtual void ColorChanged() {}

    std::u16string text_;

private:
    friend class TWinControl; // clears parent_ when the parent goes first
    TWinControl* parent_ = nullptr;
    TRect bounds_;
    bool visible_ = true;
    bool enabled_ = true;
    TFont font_;
    TColor color_ = clBtnFace;
};

// Paints on its parent's surface, inside its bounds (its canvas has the
// control's own coordinates). An opaque one covers its whole rectangle, so
// the parent leaves that area alone.
class TGraphicControl : public TControl {
public:
    using TControl::TControl;

    TCanvas& Canvas() { return canvas_; }
    bool Opaque() const { return opaque_; }
    void SetOpaque(bool opaque) { opaque_ = opaque; }
    // Paints now, synchronously, on the parent's surface.
    void Repaint();
    // Asks for a repaint at the next paint cycle (the headless backend paints at once).
    void Invalidate();
    // Called by the backend with the surface to paint on.
    void PaintOn(CanvasSurface& surface);

protected:
    virtual void Paint() {}
    void BoundsChanged() override { Invalidate(); }
    void VisibleChanged() override { Invalidate(); }

private:
    TCanvas canvas_;
    bool opaque_ = false;
};

} // namespace kv::ui
