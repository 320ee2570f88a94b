#include "ui/headless/MemorySurface.h"

#include <algorithm>
#include <cstdlib>

namespace kv::ui::headless {

MemorySurface::MemorySurface(int32_t width, int32_t height)
{
    Resize(width, height);
}

void MemorySurface::Resize(int32_t width, int32_t height)
{
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    pixels_.assign(static_cast<size_t>(width_) * static_cast<size_t>(height_), 0);
    texts_.clear();
}

uint32_t MemorySurface::Pixel(int32_t x, int32_t y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return 0;
    return pixels_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)];
}

void MemorySurface::SetPixel(int32_t x, int32_t y, uint32_t rgb)
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    pixels_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)] = rgb & 0x00FFFFFF;
}

void MemorySurface::Line(int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint32_t rgb)
{
    // Bresenham, stopping before the end point.
    const int32_t dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int32_t sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int32_t err = dx + dy;
    while (x0 != x1 || y0 != y1) {
        SetPixel(x0, y0, rgb);
        const int32_t e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void MemorySurface::FillRect(const TRect& rect, uint32_t rgb)
{
    const int32_t left = std::max(rect.Left, 0), right = std::min(rect.Right, width_);
    const int32_t top = std::max(rect.Top, 0), bottom = std::min(rect.Bottom, height_);
    for (int32_t y = top; y < bottom; ++y)
        for (int32_t x = left; x < right; ++x)
            SetPixel(x, y, rgb);
}

void MemorySurface::TextOut(int32_t x, int32_t y, const std::u16string& text, const TFont& font, uint32_t rgb,
                            std::optional<uint32_t> background)
{
    const TSize size = TextExtent(text, font);
    if (background)
        FillRect(TRect{x, y, x + size.cx, y + size.cy}, *background);
    texts_.push_back(DrawnText{x, y, text});
    Line(x, y + size.cy - 1, x + size.cx, y + size.cy - 1, rgb);
}

void MemorySurface::DrawText(const std::u16string& text, const TRect& rect, uint32_t flags, const TFont& font,
                             uint32_t rgb)
{
    std::u16string shown;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size())
            ++i; // the access-key prefix; "&&" keeps one
        shown += text[i];
    }
    const TSize size = TextExtent(shown, font);
    int32_t x = rect.Left, y = rect.Top;
    if (flags & text_flags::kCenter)
        x = rect.Left + (rect.Width() - size.cx) / 2;
    if ((flags & text_flags::kVCenter) && (flags & text_flags::kSingleLine))
        y = rect.Top + (rect.Height() - size.cy) / 2;
    texts_.push_back(DrawnText{x, y, shown});
    const int32_t row = y + size.cy - 1;
    if (row < rect.Top || row >= rect.Bottom)
        return;
    const int32_t from = std::max(x, rect.Left), to = std::min(x + size.cx, rect.Right);
    if (from < to)
        Line(from, row, to, row, rgb);
}

void MemorySurface::DrawFocusRect(const TRect& r)
{
    if (r.Right <= r.Left || r.Bottom <= r.Top)
        return;
    auto invert = [this, &r](int32_t x, int32_t y) {
        if ((x - r.Left + y - r.Top) % 2 == 0)
            SetPixel(x, y, Pixel(x, y) ^ 0xFFFFFF);
    };
    for (int32_t x = r.Left; x < r.Right; ++x) {
        invert(x, r.Top);
        if (r.Bottom - 1 > r.Top)
            invert(x, r.Bottom - 1);
    }
    for (int32_t y = r.Top + 1; y < r.Bottom - 1; ++y) {
        invert(r.Left, y);
        if (r.Right - 1 > r.Left)
            invert(r.Right - 1, y);
    }
}

TSize MemorySurface::TextExtent(const std::u16string& text, const TFont& font)
{
    const int32_t height = std::abs(font.Height);
    return TSize{static_cast<int32_t>(text.size()) * (height / 2 + 1), height + 2};
}

} // namespace kv::ui::headless
