#include "tools/host/win32/GaugeWatch.h"

#include <cwchar>

#include "dialog/DialogIdentity.h"

namespace kv::host {

namespace {

WNDPROC original = nullptr;
std::function<void(int32_t)> watcher;
int paints = 0;

LRESULT CALLBACK GaugeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = CallWindowProcW(original, window, message, wParam, lParam);
    if (message == WM_SETTEXT && lParam != 0 && watcher)
        watcher(static_cast<int32_t>(std::wcstol(reinterpret_cast<const wchar_t*>(lParam), nullptr, 10)));
    else if (message == WM_PAINT)
        ++paints;
    return result;
}

} // namespace

HWND FindGaugeWindow(HWND dialog)
{
    return dialog == nullptr ? nullptr : GetDlgItem(dialog, dialog_identity::GauLog.id);
}

bool WatchGaugeWindow(HWND gauge, std::function<void(int32_t)> observer)
{
    watcher = std::move(observer);
    if (original != nullptr)
        return true;
    original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(gauge, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&GaugeProc)));
    return original != nullptr;
}

int GaugePaintCount() { return paints; }

} // namespace kv::host
