#include "PluginLibrary.h"

#include <string>

namespace kv::test {
namespace {

template <class F>
F Export(HMODULE module, const char* name)
{
    return reinterpret_cast<F>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

} // namespace

PluginLibrary::PluginLibrary()
{
    wchar_t exe[MAX_PATH];
    const DWORD n = ::GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring path(exe, n);
    path = path.substr(0, path.find_last_of(L"\\/") + 1) + L"kelvoran.dll";
    module_ = ::LoadLibraryW(path.c_str());
    if (!module_)
        return;
    initialize_ = Export<decltype(initialize_)>(module_, "pi_initialize");
    activate_ = Export<decltype(activate_)>(module_, "pi_activate");
    finalize_ = Export<decltype(finalize_)>(module_, "pi_finalize");
}

PluginLibrary::~PluginLibrary()
{
    if (module_)
        ::FreeLibrary(module_);
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
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

} // namespace kv::test
