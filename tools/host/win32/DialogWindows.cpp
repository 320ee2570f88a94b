#include "tools/host/win32/DialogWindows.h"

#include <vector>

namespace kv::host {

namespace {

BOOL CALLBACK Collect(HWND window, LPARAM list)
{
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

std::wstring ClassName(HWND window)
{
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

bool IsClass(HWND window, const wchar_t* name)
{
    return lstrcmpiW(ClassName(window).c_str(), name) == 0;
}

std::vector<HWND> Children(HWND dialog)
{
    std::vector<HWND> children;
    if (dialog == nullptr)
        return children; // a null parent would list every top-level window
    EnumChildWindows(dialog, Collect, reinterpret_cast<LPARAM>(&children));
    return children;
}

} // namespace

std::wstring WindowText(HWND window)
{
    std::wstring text(static_cast<std::size_t>(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
    const auto length = SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

HWND FindDialogWindow()
{
    std::vector<HWND> windows;
    EnumThreadWindows(GetCurrentThreadId(), Collect, reinterpret_cast<LPARAM>(&windows));
    HWND found = nullptr;
    for (HWND window : windows) {
        if (WindowText(window) != kDialogCaption)
            continue;
        if (IsWindowVisible(window))
            return window;
        if (found == nullptr)
            found = window;
    }
    return found;
}

HWND FindEdit(HWND dialog, bool multiline)
{
    for (HWND child : Children(dialog)) {
        const bool isMulti = (GetWindowLongW(child, GWL_STYLE) & ES_MULTILINE) != 0;
        if (IsClass(child, L"Edit") && isMulti == multiline)
            return child;
    }
    return nullptr;
}

HWND FindButton(HWND dialog, const std::wstring& text)
{
    for (HWND child : Children(dialog))
        if (IsClass(child, L"Button") && WindowText(child) == text)
            return child;
    return nullptr;
}

} // namespace kv::host
