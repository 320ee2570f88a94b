// What the tests ask of windows: children with class, text, place and
// style; the dialogs on screen; a screenshot.
#pragma once

#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

namespace kv::test {

struct ChildInfo {
    HWND hwnd;
    std::wstring className;
    std::wstring text;
    RECT rect; // in the parent's client coordinates
    LONG style;
};

std::wstring ClassOf(HWND hwnd);
std::wstring TextOf(HWND hwnd);
// The direct children, in Z-order (the order Tab walks).
std::vector<ChildInfo> ChildrenOf(HWND parent);
// Every top-level window of the thread with that caption.
std::vector<HWND> TopLevelWindows(const std::wstring& caption);
// Every top-level window of the thread with the plug-in dialog's caption.
std::vector<HWND> PluginDialogs();
// Copies the window's area of the screen into a 24-bit BMP file.
bool SaveScreenshot(HWND hwnd, const std::filesystem::path& file);

} // namespace kv::test
