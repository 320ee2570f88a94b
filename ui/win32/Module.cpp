#include "ui/win32/Module.h"

namespace kv::ui::win32 {
namespace {

class WindowClass {
public:
    WindowClass(const wchar_t* name, WNDPROC proc, HBRUSH background) : name_(name)
    {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = proc;
        wc.hInstance = ModuleInstance();
        wc.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        wc.hbrBackground = background;
        wc.lpszClassName = name;
        // A class left behind by an earlier load of this module points into freed code.
        if (!::RegisterClassExW(&wc) && ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS) {
            ::UnregisterClassW(name, wc.hInstance);
            ::RegisterClassExW(&wc);
        }
    }
    ~WindowClass() { ::UnregisterClassW(name_, ModuleInstance()); }
    WindowClass(const WindowClass&) = delete;
    WindowClass& operator=(const WindowClass&) = delete;
    const wchar_t* Name() const { return name_; }

private:
    const wchar_t* name_;
};

} // namespace

HINSTANCE ModuleInstance()
{
    HMODULE module = nullptr;
    ::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         reinterpret_cast<LPCWSTR>(&ModuleInstance), &module);
    return module;
}

const wchar_t* FormClassName()
{
    static const WindowClass cls(L"KelvoranForm", FormWindowProc, nullptr);
    return cls.Name();
}

const wchar_t* CustomControlClassName()
{
    static const WindowClass cls(L"KelvoranControl", CustomControlWindowProc, nullptr);
    return cls.Name();
}

} // namespace kv::ui::win32
