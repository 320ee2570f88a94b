#include "PixelReadback.h"

#include <sstream>

namespace kv::test {

ClientPixels ReadClient(HWND hwnd)
{
    RECT r{};
    ::GetClientRect(hwnd, &r);
    ClientPixels out;
    out.width = r.right;
    out.height = r.bottom;
    out.rgb.assign(static_cast<size_t>(out.width) * out.height, 0);
    HDC window = ::GetDC(hwnd);
    HDC memory = ::CreateCompatibleDC(window);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = out.width;
    info.bmiHeader.biHeight = -out.height; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(window, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, out.width, out.height, window, 0, 0, SRCCOPY);
    ::GdiFlush();
    const auto* px = static_cast<const uint32_t*>(bits);
    for (size_t i = 0; px && i < out.rgb.size(); ++i) {
        const uint32_t bgr = px[i]; // 0x00RRGGBB in a DIB
        out.rgb[i] = (bgr >> 16 & 0xFF) | (bgr & 0xFF00) | (bgr & 0xFF) << 16;
    }
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(hwnd, window);
    return out;
}

std::string Differences(const ClientPixels& window, int32_t left, int32_t top,
                        const ui::headless::MemorySurface& expected, const std::vector<ui::TRect>& skip)
{
    std::ostringstream out;
    int count = 0;
    for (int32_t y = 0; y < expected.Height(); ++y)
        for (int32_t x = 0; x < expected.Width(); ++x) {
            bool skipped = false;
            for (const ui::TRect& s : skip)
                skipped = skipped || (x >= s.Left && x < s.Right && y >= s.Top && y < s.Bottom);
            if (skipped)
                continue;
            const uint32_t want = expected.Pixel(x, y);
            const uint32_t got = window.At(left + x, top + y);
            if (want == got)
                continue;
            if (++count <= 5)
                out << std::hex << "(" << std::dec << x << "," << y << std::hex << ") window " << got << " expected "
                    << want << "; ";
        }
    if (count > 0)
        out << std::dec << count << " pixels differ";
    return out.str();
}

SIZE DialogTextExtent(const std::wstring& text)
{
    HDC dc = ::CreateCompatibleDC(nullptr);
    HFONT font = ::CreateFontW(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                               CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"Tahoma");
    HGDIOBJ old = ::SelectObject(dc, font);
    SIZE size{};
    ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    ::SelectObject(dc, old);
    ::DeleteObject(font);
    ::DeleteDC(dc);
    return size;
}

} // namespace kv::test
