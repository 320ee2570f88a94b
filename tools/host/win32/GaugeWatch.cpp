#include "tools/host/win32/GaugeWatch.h"

namespace kv::host {

namespace {

WNDPROC original = nullptr;
HWND watched = nullptr;
std::function<void(int32_t)> watcher;
int paints = 0;

LRESULT CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT)
        ++paints;
    return CallWindowProcW(original, window, message, wParam, lParam);
}

} // namespace

bool WatchDialog(HWND dialog, std::function<void(int32_t)> observer)
{
    watcher = std::move(observer);
    if (original != nullptr)
        return true;
    original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(dialog, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&DialogProc)));
    if (original != nullptr)
        watched = dialog;
    return original != nullptr;
}

bool TakeProgressMessage(UINT message, WPARAM wParam)
{
    static const UINT progress = RegisterWindowMessageW(L"Kelvoran.Progress");
    if (message != progress)
        return false;
    if (watcher)
        watcher(static_cast<int32_t>(wParam));
    return true;
}

int DialogPaintCount() { return paints; }
HWND WatchedDialog() { return watched; }

} // namespace kv::host
