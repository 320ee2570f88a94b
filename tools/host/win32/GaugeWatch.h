// Follows the dialog's windowless gauge from the host: the plug-in tells the
// host's window of each new value with the registered message
// "Kelvoran.Progress"; the dialog's repaints are counted by subclassing its
// window for the rest of its life.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

namespace kv::host {

// One dialog watched at a time; false when its window cannot be subclassed.
bool WatchDialog(HWND dialog, std::function<void(int32_t)> observer);
// For the host window's procedure: whether message was a progress report
// (then passed to the observer).
bool TakeProgressMessage(UINT message, WPARAM wParam);
// The dialog's WM_PAINT messages so far, and the dialog itself (null before WatchDialog).
int DialogPaintCount();
HWND WatchedDialog();

} // namespace kv::host
