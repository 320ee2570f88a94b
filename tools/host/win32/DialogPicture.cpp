#include "tools/host/win32/DialogPicture.h"

#include <cstdint>
#include <fstream>
#include <vector>

#include "os/Utf.h"

namespace kv::host {

namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v)
{
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

} // namespace

bool SaveWindowPicture(HWND window, const std::string& path, std::string& error)
{
    RECT client{};
    if (window == nullptr || !GetClientRect(window, &client) || client.right <= 0 || client.bottom <= 0) {
        error = "the dialog has no window to take a picture of";
        return false;
    }
    const int width = client.right, height = client.bottom;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height; // bottom-up, as a BMP file holds its rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC dc = GetDC(window);
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool copied = false;
    if (bitmap != nullptr) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        copied = BitBlt(memory, 0, 0, width, height, dc, 0, 0, SRCCOPY) != FALSE;
        GdiFlush();
        SelectObject(memory, old);
    }
    const uint32_t stride = (static_cast<uint32_t>(width) * 3 + 3) / 4 * 4;
    const uint32_t imageBytes = stride * static_cast<uint32_t>(height);
    std::vector<uint8_t> file;
    if (copied) {
        file.push_back('B');
        file.push_back('M');
        Put32(file, 54 + imageBytes);
        Put32(file, 0);
        Put32(file, 54);
        Put32(file, 40);
        Put32(file, static_cast<uint32_t>(width));
        Put32(file, static_cast<uint32_t>(height));
        Put16(file, 1);
        Put16(file, 24);
        for (int i = 0; i < 6; ++i)
            Put32(file, 0);
        const auto* p = static_cast<const uint8_t*>(bits);
        file.insert(file.end(), p, p + imageBytes);
    }
    if (bitmap != nullptr)
        DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, dc);
    if (!copied) {
        error = "cannot copy the dialog's pixels";
        return false;
    }
    const std::u16string wide = os::Utf8ToUtf16(path);
    std::ofstream out(reinterpret_cast<const wchar_t*>(wide.c_str()), std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    if (!out) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}

} // namespace kv::host
