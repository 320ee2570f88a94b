#include "PluginLibrary.h"

#include <cstdio>
#include <string>

#include "os/Utf.h"
#include "ui/win32/MessagePump.h"

namespace kv::test {

PluginLibrary::PluginLibrary()
{
    wchar_t exe[MAX_PATH];
    const DWORD n = ::GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::u16string path(reinterpret_cast<const char16_t*>(exe), n);
    path = path.substr(0, path.find_last_of(u"\\/") + 1) + u"kelvoran.dll";
    std::string error;
    loaded_ = library_.Open(os::Utf16ToUtf8(path), error) && host::ResolveExports(library_, exports_, error);
    if (!loaded_)
        std::fprintf(stderr, "%s\n", error.c_str());
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
