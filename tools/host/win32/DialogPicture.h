// A picture of a window's client area as the window itself holds it (read
// from its own device context, not from the screen), written as a 24-bit BMP.
#pragma once

#include <windows.h>

#include <string>

namespace kv::host {

bool SaveWindowPicture(HWND window, const std::string& path, std::string& error);

} // namespace kv::host
