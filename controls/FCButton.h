// TXMButton: a system push button that paints its whole face itself (a
// bevelled gradient face, or a flat one), an optional 16 x 16 glyph left of
// the caption, a greyed look when disabled; focus tints the face instead of
// drawing a dotted rectangle. The face painters and glyph helpers are free
// functions so that they can be used, and checked, on any canvas.
#pragma once

#include <array>
#include <cstdint>

#include "ui/Button.h"
#include "ui/Canvas.h"

namespace kv {

// Each channel plus n, at most 255 (n 0..255); the top byte of the result is 0.
uint32_t ColorLighten(uint32_t c, int32_t n);
// Each channel minus n, at least 0.
uint32_t ColorDarken(uint32_t c, int32_t n);
// In double precision: lo and hi put in order (vLo and vHi stay); with lo = hi
// the result is vLo for x <= lo, else vHi; otherwise x is clamped to lo..hi
// and mapped linearly from vLo (at lo) to vHi (at hi).
double LinearRamp(double lo, double hi, double x, double vLo, double vHi);

// Gradient face over r: darkening by up to 11 levels downwards, dark top and
// left lines, a very dark line inside the right and bottom edges; focus (fs)
// and pressing (pd) tint the border blue and brighten the face by 12 levels.
// Narrower or lower than 4 pixels: filled with the colour. enabled does not
// change the face.
void PaintClassicFace(ui::TCanvas& canvas, const ui::TRect& r, ui::TColor colour, bool pd, bool fs, bool enabled);
// Flat face over r, brightened when pressed or focused.
void PaintXPFace(ui::TCanvas& canvas, const ui::TRect& r, ui::TColor colour, bool pd, bool fs);

using GlyphTable = std::array<uint32_t, 256>; // 16 rows of 16 from the top, 0x00BBGGRR

// Shaded discs on pure white (the transparent colour): green with a check
// mark, red with a cross (both cut out in white), blue with a light question mark.
extern const GlyphTable StockGlyphOk;
extern const GlyphTable StockGlyphCancel;
extern const GlyphTable StockGlyphHelp;

// Makes the picture 16 x 16 at 24 bits (if it is not), fills it from the table, marks it transparent.
void LoadStockGlyph(ui::TBitmap& picture, const GlyphTable& table);
// A transparent copy of glyph in which every pixel not of the colour of its
// top-left pixel becomes, channel by channel, (pixel + 3 * face) / 4.
void MakeGreyedGlyph(const ui::TBitmap& glyph, uint32_t face, ui::TBitmap& greyed);

enum class TBitmapKind : uint8_t { bkNone, bkCustom, bkOk, bkCancel, bkHelp };

class TXMButton : public ui::TButton {
public:
    explicit TXMButton(ui::TComponent* owner);

    // The glyph; with bkOk, bkCancel or bkHelp it is overwritten by the
    // built-in glyph when that kind is next loaded.
    const ui::TBitmap& Bitmap() const { return bitmap_; }
    // Copies the picture (none empties it); switches bkNone to bkCustom when a
    // picture is given and bkCustom to bkNone when none is; other kinds stay.
    void SetBitmap(const ui::TBitmap* picture);

    bool Down() const { return down_; }
    bool XPMode() const { return xpMode_; }
    int32_t OffX() const { return offX_; }
    int32_t OffY() const { return offY_; }
    bool HideFocus() const { return hideFocus_; }
    TBitmapKind BitmapKind() const { return bitmapKind_; }
    bool HotTrack() const { return hotTrack_; }
    // Each stores a changed value and repaints at once; an equal value does nothing.
    void SetDown(bool value);
    void SetXPMode(bool value);
    void SetOffX(int32_t value);
    void SetOffY(int32_t value);
    void SetHideFocus(bool value);
    void SetBitmapKind(TBitmapKind value); // the glyph is loaded at the next paint
    void SetHotTrack(bool value);          // stored only: the face does not track the mouse

    // Stored; never raised (the button does not track the mouse).
    ui::TNotifyEvent OnMouseEnter;
    ui::TNotifyEvent OnMouseExit;

    // Whether the latest draw request (or default-button notification) had the focus.
    bool HasFocus() const { return hasFocus_; }
    const ui::TBitmap& DisabledGlyph() const { return disabledGlyph_; }

    // One draw request: face, glyph, caption.
    void DrawButton(const ui::TDrawItem& item);
    void DrawItem(const ui::TDrawItem& item) override { DrawButton(item); }
    void SetButtonStyle(bool isDefault) override;
    bool WndProc(ui::TMessage& m) override;
    ui::WindowStyle Style() const override;

protected:
    void EnabledChanged() override;
    void FontChanged() override;
    void VisibleChanged() override;

private:
    void MakeDisabledGlyph();

    ui::TCanvas drawCanvas_;
    bool down_ = false;
    bool hotTrack_ = false;
    bool hasFocus_ = false;
    bool hideFocus_ = false;
    bool xpMode_ = false;
    ui::TBitmap bitmap_;
    ui::TBitmap disabledGlyph_;
    int32_t offX_ = 0;
    int32_t offY_ = 0;
    TBitmapKind bitmapKind_ = TBitmapKind::bkNone;
    TBitmapKind loadedKind_ = TBitmapKind::bkNone;
};

} // namespace kv
