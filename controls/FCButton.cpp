#include "controls/FCButton.h"

#include "ui/SysColors.h"

namespace kv {

void LoadStockGlyph(ui::TBitmap& picture, const GlyphTable& table)
{
    if (picture.Width() != 16 || picture.Height() != 16 || picture.PixelBits() != 24) {
        picture.SetSize(16, 16);
        picture.SetPixelBits(24);
    }
    for (int32_t y = 0; y < 16; ++y)
        for (int32_t x = 0; x < 16; ++x)
            picture.Canvas().SetPixel(x, y, table[static_cast<size_t>(x + 16 * y)]);
    picture.SetTransparent(true);
}

void MakeGreyedGlyph(const ui::TBitmap& glyph, uint32_t face, ui::TBitmap& greyed)
{
    greyed.Assign(glyph);
    greyed.SetTransparent(true);
    if (glyph.Empty())
        return;
    const uint32_t key = glyph.Pixel(0, 0);
    for (int32_t y = 0; y < glyph.Height(); ++y)
        for (int32_t x = 0; x < glyph.Width(); ++x) {
            const uint32_t p = glyph.Pixel(x, y);
            if (p == key)
                continue;
            uint32_t out = 0;
            for (int shift = 0; shift <= 16; shift += 8)
                out |= (((p >> shift & 0xFF) + 3 * (face >> shift & 0xFF)) / 4) << shift;
            greyed.Canvas().SetPixel(x, y, out);
        }
}

namespace {

const GlyphTable* StockTable(TBitmapKind kind)
{
    switch (kind) {
    case TBitmapKind::bkOk: return &StockGlyphOk;
    case TBitmapKind::bkCancel: return &StockGlyphCancel;
    case TBitmapKind::bkHelp: return &StockGlyphHelp;
    case TBitmapKind::bkNone:
    case TBitmapKind::bkCustom: break;
    }
    return nullptr;
}

template <class T>
bool Store(T& field, T value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

} // namespace

TXMButton::TXMButton(ui::TComponent* owner) : ui::TButton(owner) {}

ui::WindowStyle TXMButton::Style() const
{
    ui::WindowStyle style = ui::TButton::Style();
    style.ownerDraw = true; // every repaint arrives as a draw request
    return style;
}

void TXMButton::SetBitmap(const ui::TBitmap* picture)
{
    if (picture)
        bitmap_.Assign(*picture);
    else
        bitmap_.Clear();
    bitmap_.SetTransparent(true);
    if (!disabledGlyph_.Empty())
        MakeDisabledGlyph();
    if (bitmapKind_ == TBitmapKind::bkNone && picture) {
        SetBitmapKind(TBitmapKind::bkCustom);
        loadedKind_ = TBitmapKind::bkCustom;
    } else if (bitmapKind_ == TBitmapKind::bkCustom && !picture) {
        SetBitmapKind(TBitmapKind::bkNone);
        loadedKind_ = TBitmapKind::bkNone;
    }
}

void TXMButton::SetDown(bool value)
{
    if (Store(down_, value))
        Repaint();
}

void TXMButton::SetXPMode(bool value)
{
    if (Store(xpMode_, value))
        Repaint();
}

void TXMButton::SetOffX(int32_t value)
{
    if (Store(offX_, value))
        Repaint();
}

void TXMButton::SetOffY(int32_t value)
{
    if (Store(offY_, value))
        Repaint();
}

void TXMButton::SetHideFocus(bool value)
{
    if (Store(hideFocus_, value))
        Repaint();
}

void TXMButton::SetBitmapKind(TBitmapKind value)
{
    if (Store(bitmapKind_, value))
        Repaint();
}

void TXMButton::SetHotTrack(bool value)
{
    if (Store(hotTrack_, value))
        Repaint();
}

void TXMButton::MakeDisabledGlyph()
{
    MakeGreyedGlyph(bitmap_, ui::SysColor(15), disabledGlyph_); // COLOR_BTNFACE
}

void TXMButton::DrawButton(const ui::TDrawItem& item)
{
    const bool pressed = (item.ItemState & ui::item_state::kSelected) != 0;
    const bool enabled = (item.ItemState & ui::item_state::kDisabled) == 0 && Enabled();
    hasFocus_ = (item.ItemState & ui::item_state::kFocus) != 0;
    if (!item.Surface)
        return;
    ui::TCanvas& c = drawCanvas_;
    c.Attach(item.Surface);

    const bool pd = down_ || pressed;
    const bool fs = hasFocus_ && !hideFocus_;
    ui::TRect r{0, 0, item.Surface->Width(), item.Surface->Height()};
    if (xpMode_)
        PaintXPFace(c, r, Color(), pd, fs);
    else
        PaintClassicFace(c, r, Color(), pd, fs, enabled);

    if (bitmapKind_ != loadedKind_) {
        loadedKind_ = bitmapKind_;
        if (const GlyphTable* table = StockTable(bitmapKind_)) {
            LoadStockGlyph(bitmap_, *table);
            if (!disabledGlyph_.Empty())
                MakeDisabledGlyph();
        }
        bitmap_.SetTransparent(true);
    }

    const std::u16string caption = Caption();
    if (bitmapKind_ != TBitmapKind::bkNone && !bitmap_.Empty()) {
        const int32_t bw = bitmap_.Width(), bh = bitmap_.Height();
        int32_t gx = 0, gy = 0;
        if (!caption.empty()) {
            // Centred in a square as high as the button, at its left edge.
            gx = offX_ + (r.Bottom - r.Top - bw) / 2 + 1;
            gy = offY_ + (r.Bottom + r.Top - bh) / 2;
        } else {
            gx = (r.Right - r.Left - bw) / 2;
            gy = (r.Bottom - r.Top - bh) / 2 + offY_;
        }
        if (pd) {
            ++gx;
            ++gy;
        }
        if (enabled) {
            c.Draw(gx, gy, bitmap_);
        } else {
            if (disabledGlyph_.Empty())
                MakeDisabledGlyph();
            c.Draw(gx, gy, disabledGlyph_);
        }
        r.Left += bw + 2;
    }

    r = ui::TRect{r.Left + 3, r.Top + 3, r.Right - 3, r.Bottom - 3};
    if (pd)
        r = ui::TRect{r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1};
    c.Font = Font();
    if (!enabled)
        c.Font.Color = ui::clBtnShadow;
    c.Brush.Style = ui::TBrushStyle::bsClear;
    c.DrawText(caption, r, ui::text_flags::kCenter | ui::text_flags::kVCenter | ui::text_flags::kSingleLine);
    c.Attach(nullptr);
}

void TXMButton::SetButtonStyle(bool isDefault)
{
    // The system's style change would drop the owner-draw style: only the look follows.
    hasFocus_ = isDefault;
    Repaint();
}

bool TXMButton::WndProc(ui::TMessage& m)
{
    switch (m.Msg) {
    case ui::msg::kLButtonDblClk:
        // A quick second click presses the button again: a double click is two clicks.
        Perform(ui::msg::kLButtonDown, m.WParam, m.LParam);
        m.Result = 0;
        return true;
    case ui::msg::kGetDlgCode:
        m.Result = 0; // asks for no keys
        return true;
    case ui::msg::kButtonSetStyle:
        SetButtonStyle((m.WParam & 0x0F) == ui::msg::kStyleDefPushButton);
        m.Result = 0;
        return true;
    default:
        return ui::TButton::WndProc(m);
    }
}

void TXMButton::EnabledChanged()
{
    ui::TButton::EnabledChanged();
    Invalidate();
}

void TXMButton::FontChanged()
{
    ui::TButton::FontChanged();
    Invalidate();
}

void TXMButton::VisibleChanged()
{
    ui::TButton::VisibleChanged();
    Invalidate();
}

} // namespace kv
