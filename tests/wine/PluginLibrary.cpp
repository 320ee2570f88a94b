#include "PluginLibrary.h"

#include <string>

#include "ui/win32/MessagePump.h"

namespace kv::test {

PluginLibrary::PluginLibrary()
{
    wchar_t exe[MAX_PATH];
    const DWORD n = ::GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::u16string path(reinterpret_cast<const char16_t*>(exe), n);
    path = path.substr(0, path.find_last_of(u"\\/") + 1) + u"kelvoran.dll";
    if (!library_.Open(path))
        return;
    initialize_ = reinterpret_cast<decltype(initialize_)>(library_.Symbol("pi_initialize"));
    activate_ = reinterpret_cast<decltype(activate_)>(library_.Symbol("pi_activate"));
    finalize_ = reinterpret_cast<decltype(finalize_)>(library_.Symbol("pi_finalize"));
}

MainWindow::MainWindow()
{
    WNDCLASSW wc{};
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"KelvoranTestMainWindow";
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    ::RegisterClassW(&wc); // fails harmlessly when already registered
    hwnd_ = ::CreateWindowExW(0, wc.lpszClassName, L"Test host", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr,
                              nullptr, wc.hInstance, nullptr);
    ::ShowWindow(hwnd_, SW_SHOW);
    PumpMessages();
}

MainWindow::~MainWindow()
{
    ::DestroyWindow(hwnd_);
}

void PumpMessages()
{
    ui::win32::DispatchPendingMessages();
}

} // namespace kv::test
