#include "ui/win32/GdiSurface.h"

namespace kv::ui::win32 {

Font CreateFontFor(const TFont& f)
{
    return Font(::CreateFontW(f.Height, 0, 0, 0, f.Bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, f.Charset,
                              OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                              reinterpret_cast<const wchar_t*>(f.Name.c_str())));
}

uint32_t GdiSurface::Pixel(int32_t x, int32_t y) const
{
    const COLORREF c = ::GetPixel(dc_, x, y);
    return c == CLR_INVALID ? 0 : c;
}

void GdiSurface::SetPixel(int32_t x, int32_t y, uint32_t rgb)
{
    ::SetPixelV(dc_, x, y, rgb);
}

void GdiSurface::Line(int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint32_t rgb)
{
    // GDI lines, like ours, leave out the end point.
    const Pen pen(::CreatePen(PS_SOLID, 1, rgb));
    const SelectObjectScope select(dc_, pen.Get());
    ::MoveToEx(dc_, x0, y0, nullptr);
    ::LineTo(dc_, x1, y1);
}

void GdiSurface::FillRect(const TRect& rect, uint32_t rgb)
{
    const Brush brush(::CreateSolidBrush(rgb));
    const RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
    ::FillRect(dc_, &r, brush.Get());
}

void GdiSurface::TextOut(int32_t x, int32_t y, const std::u16string& text, const TFont& font, uint32_t rgb,
                         std::optional<uint32_t> background)
{
    const Font f = CreateFontFor(font);
    const SelectObjectScope select(dc_, f.Get());
    ::SetBkMode(dc_, background ? OPAQUE : TRANSPARENT);
    if (background)
        ::SetBkColor(dc_, *background);
    ::SetTextColor(dc_, rgb);
    ::TextOutW(dc_, x, y, reinterpret_cast<const wchar_t*>(text.c_str()), static_cast<int>(text.size()));
}

void GdiSurface::DrawText(const std::u16string& text, const TRect& rect, uint32_t flags, const TFont& font,
                          uint32_t rgb)
{
    const Font f = CreateFontFor(font);
    const SelectObjectScope select(dc_, f.Get());
    ::SetBkMode(dc_, TRANSPARENT);
    ::SetTextColor(dc_, rgb);
    RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
    ::DrawTextW(dc_, reinterpret_cast<const wchar_t*>(text.c_str()), static_cast<int>(text.size()), &r, flags);
}

void GdiSurface::DrawFocusRect(const TRect& rect)
{
    const RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
    ::DrawFocusRect(dc_, &r);
}

TSize GdiSurface::TextExtent(const std::u16string& text, const TFont& font)
{
    const Font f = CreateFontFor(font);
    const SelectObjectScope select(dc_, f.Get());
    SIZE size{};
    ::GetTextExtentPoint32W(dc_, reinterpret_cast<const wchar_t*>(text.c_str()), static_cast<int>(text.size()), &size);
    return TSize{size.cx, size.cy};
}

namespace {

// A 32-bit top-down DIB section selected into a memory DC of its own.
class BitmapSurface : public GdiSurface {
public:
    BitmapSurface(int32_t width, int32_t height) : GdiSurface(nullptr, width, height), dc_(::CreateCompatibleDC(nullptr))
    {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap_.Reset(::CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        previous_ = ::SelectObject(dc_, bitmap_.Get());
        SetDc(dc_);
    }
    ~BitmapSurface() override
    {
        ::SelectObject(dc_, previous_);
        bitmap_.Reset();
        ::DeleteDC(dc_);
    }
    BitmapSurface(const BitmapSurface&) = delete;
    BitmapSurface& operator=(const BitmapSurface&) = delete;

private:
    HDC dc_;
    Bitmap bitmap_;
    HGDIOBJ previous_ = nullptr;
};

} // namespace
} // namespace kv::ui::win32

namespace kv::ui {

std::unique_ptr<CanvasSurface> CreateBitmapSurface(int32_t width, int32_t height)
{
    return std::make_unique<win32::BitmapSurface>(width, height);
}

} // namespace kv::ui
