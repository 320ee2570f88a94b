#include "ui/Canvas.h"

#include "ui/SysColors.h"

namespace kv::ui {

uint32_t TCanvas::Pixel(int32_t x, int32_t y) const
{
    return surface_ ? surface_->Pixel(x, y) : 0;
}

void TCanvas::SetPixel(int32_t x, int32_t y, TColor color)
{
    if (surface_)
        surface_->SetPixel(x, y, ColorToRGB(color));
}

void TCanvas::LineTo(int32_t x, int32_t y)
{
    if (surface_)
        surface_->Line(penX_, penY_, x, y, ColorToRGB(Pen.Color));
    penX_ = x;
    penY_ = y;
}

void TCanvas::Polyline(std::initializer_list<TPoint> points)
{
    bool first = true;
    for (const TPoint& p : points) {
        if (first)
            MoveTo(p.X, p.Y);
        else
            LineTo(p.X, p.Y);
        first = false;
    }
}

void TCanvas::FillRect(const TRect& rect)
{
    if (surface_)
        surface_->FillRect(rect, ColorToRGB(Brush.Color));
}

void TCanvas::FrameRect(const TRect& r)
{
    if (!surface_ || r.Right <= r.Left || r.Bottom <= r.Top)
        return;
    const uint32_t rgb = ColorToRGB(Brush.Color);
    surface_->FillRect(TRect{r.Left, r.Top, r.Right, r.Top + 1}, rgb);
    surface_->FillRect(TRect{r.Left, r.Bottom - 1, r.Right, r.Bottom}, rgb);
    surface_->FillRect(TRect{r.Left, r.Top, r.Left + 1, r.Bottom}, rgb);
    surface_->FillRect(TRect{r.Right - 1, r.Top, r.Right, r.Bottom}, rgb);
}

void TCanvas::DrawFocusRect(const TRect& rect)
{
    if (surface_)
        surface_->DrawFocusRect(rect);
}

void TCanvas::TextOut(int32_t x, int32_t y, const std::u16string& text)
{
    if (!surface_)
        return;
    std::optional<uint32_t> background;
    if (Brush.Style == TBrushStyle::bsSolid)
        background = ColorToRGB(Brush.Color);
    surface_->TextOut(x, y, text, Font, ColorToRGB(Font.Color), background);
}

TSize TCanvas::TextExtent(const std::u16string& text) const
{
    return surface_ ? surface_->TextExtent(text, Font) : TSize{};
}

int32_t TCanvas::TextWidth(const std::u16string& text) const
{
    return TextExtent(text).cx;
}

int32_t TCanvas::TextHeight(const std::u16string& text) const
{
    return TextExtent(text).cy;
}

void TCanvas::DrawText(const std::u16string& text, const TRect& rect, uint32_t flags)
{
    if (surface_)
        surface_->DrawText(text, rect, flags, Font, ColorToRGB(Font.Color));
}

void TCanvas::Draw(int32_t x, int32_t y, const TBitmap& picture)
{
    if (!surface_ || picture.Empty())
        return;
    const uint32_t key = picture.Pixel(0, picture.Height() - 1);
    for (int32_t py = 0; py < picture.Height(); ++py)
        for (int32_t px = 0; px < picture.Width(); ++px) {
            const uint32_t rgb = picture.Pixel(px, py);
            if (!picture.Transparent() || rgb != key)
                surface_->SetPixel(x + px, y + py, rgb);
        }
}

void TBitmap::SetSize(int32_t width, int32_t height)
{
    surface_ = CreateBitmapSurface(width, height);
    canvas_.Attach(surface_.get());
}

void TBitmap::Assign(const TBitmap& other)
{
    pixelBits_ = other.pixelBits_;
    transparent_ = other.transparent_;
    if (other.Empty()) {
        Clear();
        return;
    }
    SetSize(other.Width(), other.Height());
    for (int32_t y = 0; y < other.Height(); ++y)
        for (int32_t x = 0; x < other.Width(); ++x)
            surface_->SetPixel(x, y, other.Pixel(x, y));
}

void TBitmap::Clear()
{
    canvas_.Attach(nullptr);
    surface_.reset();
}

} // namespace kv::ui
