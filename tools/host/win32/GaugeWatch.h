// Watches the dialog's gauge window from the host: its window text carries
// the gauge's value, so each WM_SETTEXT is a new value; each WM_PAINT is a
// repaint. Works by subclassing the window for the rest of its life.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

namespace kv::host {

// The dialog's gauge: its child window of the plug-in's custom-control class, or null.
HWND FindGaugeWindow(HWND dialog);

// One gauge window watched at a time; false when the window cannot be subclassed.
bool WatchGaugeWindow(HWND gauge, std::function<void(int32_t)> observer);
int GaugePaintCount();

} // namespace kv::host
