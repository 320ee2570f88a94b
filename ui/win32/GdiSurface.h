// Drawing on a device context: a window's while it paints, or a memory one.
#pragma once

#include "ui/win32/WindowsApi.h"

#include "ui/Canvas.h"
#include "ui/win32/Handles.h"

namespace kv::ui::win32 {

class GdiSurface : public CanvasSurface {
public:
    GdiSurface(HDC dc, int32_t width, int32_t height) : dc_(dc), width_(width), height_(height) {}

    int32_t Width() const override { return width_; }
    int32_t Height() const override { return height_; }
    uint32_t Pixel(int32_t x, int32_t y) const override;
    void SetPixel(int32_t x, int32_t y, uint32_t rgb) override;
    void Line(int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint32_t rgb) override;
    void FillRect(const TRect& rect, uint32_t rgb) override;
    void TextOut(int32_t x, int32_t y, const std::u16string& text, const TFont& font, uint32_t rgb,
                 std::optional<uint32_t> background) override;
    TSize TextExtent(const std::u16string& text, const TFont& font) override;
    void DrawText(const std::u16string& text, const TRect& rect, uint32_t flags, const TFont& font,
                  uint32_t rgb) override;
    void DrawFocusRect(const TRect& rect) override;

protected:
    void SetDc(HDC dc) { dc_ = dc; }

private:
    HDC dc_;
    int32_t width_, height_;
};

Font CreateFontFor(const TFont& font);

} // namespace kv::ui::win32
