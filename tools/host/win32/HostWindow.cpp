#include "tools/host/win32/HostWindow.h"

#include "tools/host/win32/GaugeWatch.h"
#include "tools/host/win32/InteractiveView.h"

namespace kv::host {

namespace {

constexpr wchar_t kClassName[] = L"KelvoranHostWindow";

int ticks = 0;
constexpr UINT_PTR kTimerId = 1;

LRESULT CALLBACK HostWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_TIMER && wParam == kTimerId) {
        ++ticks;
        // As a window moving over the dialog would: it must repaint, also
        // while the plug-in's tool runs.
        if (HWND dialog = WatchedDialog())
            InvalidateRect(dialog, nullptr, FALSE);
        return 0;
    }
    if (TakeProgressMessage(message, wParam))
        return 0;
    // Closing ends the interactive loop but keeps the window: the plug-in's
    // windows it owns must outlive pi_finalize and the release that follows.
    if (message == WM_CLOSE) {
        PostQuitMessage(0);
        return 0;
    }
    if (InteractiveView* view = InteractiveView::Of(window)) {
        bool handled = false;
        const LRESULT result = view->Handle(message, wParam, lParam, handled);
        if (handled)
            return result;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void RegisterHostClass()
{
    static const bool registered = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = HostWindowProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
        wc.lpszClassName = kClassName;
        return RegisterClassExW(&wc) != 0;
    }();
    (void)registered;
}

} // namespace

HostWindow::HostWindow(bool visible)
{
    RegisterHostClass();
    window_ = ui::win32::Window(CreateWindowExW(0, kClassName, L"kelvoran-host", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                                CW_USEDEFAULT, 900, 700, nullptr, nullptr, GetModuleHandleW(nullptr),
                                                nullptr));
    if (window_.Get() != nullptr && visible)
        ShowWindow(window_.Get(), SW_SHOW);
}

void HostWindow::StartTimer()
{
    if (window_.Get() != nullptr)
        SetTimer(window_.Get(), kTimerId, 100, nullptr);
}

int HostWindow::TimerTicks() { return ticks; }

} // namespace kv::host
