#include "WindowQueries.h"

#include <fstream>

#include "support/ExpectedDialog.h"

namespace kv::test {

std::wstring ClassOf(HWND hwnd)
{
    wchar_t name[256];
    const int n = ::GetClassNameW(hwnd, name, 256);
    return std::wstring(name, n > 0 ? static_cast<size_t>(n) : 0);
}

std::wstring TextOf(HWND hwnd)
{
    std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(hwnd)) + 1, L'\0');
    const int n = ::GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()));
    text.resize(n > 0 ? static_cast<size_t>(n) : 0);
    return text;
}

std::vector<ChildInfo> ChildrenOf(HWND parent)
{
    std::vector<ChildInfo> children;
    for (HWND c = ::GetWindow(parent, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT)) {
        ChildInfo info{c, ClassOf(c), TextOf(c), {}, ::GetWindowLongW(c, GWL_STYLE)};
        ::GetWindowRect(c, &info.rect);
        ::MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&info.rect), 2);
        children.push_back(info);
    }
    return children;
}

namespace {

struct CaptionSearch {
    std::wstring caption;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectByCaption(HWND w, LPARAM p)
{
    auto* s = reinterpret_cast<CaptionSearch*>(p);
    if (TextOf(w) == s->caption)
        s->found.push_back(w);
    return TRUE;
}

} // namespace

std::vector<HWND> TopLevelWindows(const std::wstring& caption)
{
    CaptionSearch search{caption, {}};
    ::EnumThreadWindows(::GetCurrentThreadId(), &CollectByCaption, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<HWND> PluginDialogs()
{
    return TopLevelWindows(reinterpret_cast<const wchar_t*>(expected::kCaption));
}

bool SaveScreenshot(HWND hwnd, const std::filesystem::path& file)
{
    RECT r{};
    ::GetWindowRect(hwnd, &r);
    const int width = r.right - r.left, height = r.bottom - r.top;
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height; // bottom-up, as BMP files store rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    const BOOL copied = ::BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    ::GdiFlush();
    const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
    const size_t imageBytes = stride * static_cast<size_t>(height);
    bool ok = false;
    if (copied && bits) {
        BITMAPFILEHEADER header{};
        header.bfType = 0x4D42; // "BM"
        header.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
        header.bfSize = static_cast<DWORD>(header.bfOffBits + imageBytes);
        info.bmiHeader.biSizeImage = static_cast<DWORD>(imageBytes);
        std::ofstream out(file, std::ios::binary);
        out.write(reinterpret_cast<const char*>(&header), sizeof header);
        out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
        out.write(static_cast<const char*>(bits), static_cast<std::streamsize>(imageBytes));
        ok = static_cast<bool>(out);
    }
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return ok;
}

} // namespace kv::test
