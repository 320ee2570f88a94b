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

void TCanvas::FillRect(const TRect& rect)
{
    if (surface_)
        surface_->FillRect(rect, ColorToRGB(Brush.Color));
}

void TCanvas::TextOut(int32_t x, int32_t y, const std::u16string& text)
{
    if (surface_)
        surface_->TextOut(x, y, text, Font, ColorToRGB(Font.Color));
}

int32_t TCanvas::TextWidth(const std::u16string& text) const
{
    return surface_ ? surface_->TextExtent(text, Font).cx : 0;
}

int32_t TCanvas::TextHeight(const std::u16string& text) const
{
    return surface_ ? surface_->TextExtent(text, Font).cy : 0;
}

void TBitmap::SetSize(int32_t width, int32_t height)
{
    surface_ = CreateBitmapSurface(width, height);
    canvas_.Attach(surface_.get());
}

} // namespace kv::ui
