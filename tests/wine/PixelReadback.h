// A window's client area read back into memory, and the comparison of it
// with a rendering on the memory canvas.
#pragma once

#include "ui/win32/WindowsApi.h"

#include <cstdint>
#include <string>
#include <vector>

#include "ui/Types.h"
#include "ui/headless/MemorySurface.h"

namespace kv::test {

struct ClientPixels {
    int32_t width = 0, height = 0;
    std::vector<uint32_t> rgb; // 0x00BBGGRR, rows from the top
    uint32_t At(int32_t x, int32_t y) const { return rgb[static_cast<size_t>(y) * width + x]; }
};

// Copies the window's client area (as the window shows it) into a 32-bit DIB.
ClientPixels ReadClient(HWND hwnd);

// The pixels of `window` from (left, top) on that differ from `expected`,
// outside the rectangles in `skip` (the rendering's coordinates); at most a
// few are described, then the count.
std::string Differences(const ClientPixels& window, int32_t left, int32_t top,
                        const ui::headless::MemorySurface& expected, const std::vector<ui::TRect>& skip);

// The extent of text in the face and height the dialog uses (Tahoma, -11).
SIZE DialogTextExtent(const std::wstring& text);

} // namespace kv::test
