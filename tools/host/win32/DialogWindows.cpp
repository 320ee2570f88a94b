#include "tools/host/win32/DialogWindows.h"

#include <vector>

namespace kv::host {

namespace {

BOOL CALLBACK Collect(HWND window, LPARAM list)
{
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
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

HWND FindControl(HWND dialog, const dialog_identity::ControlIdentity& control)
{
    return dialog == nullptr ? nullptr : GetDlgItem(dialog, control.id);
}

} // namespace kv::host
