// The application object's system side: the thread's message pump and
// message boxes owned and made modal as the host's own dialogs are.
#include "ui/win32/WindowsApi.h"

#include <vector>

#include "ui/Application.h"
#include "ui/win32/MessagePump.h"
#include "ui/win32/Module.h"

namespace kv::ui::backend {
namespace {

// Disables the thread's enabled, visible top-level windows for one scope;
// enables them again, and gives back activation and focus, at its end.
class DisabledThreadWindows {
public:
    DisabledThreadWindows() : active_(::GetActiveWindow()), focus_(::GetFocus())
    {
        ::EnumThreadWindows(::GetCurrentThreadId(), &Collect, reinterpret_cast<LPARAM>(&windows_));
        for (HWND w : windows_)
            ::EnableWindow(w, FALSE);
    }
    ~DisabledThreadWindows()
    {
        for (HWND w : windows_)
            if (::IsWindow(w))
                ::EnableWindow(w, TRUE);
        if (active_ && ::IsWindow(active_))
            ::SetActiveWindow(active_);
        if (focus_ && ::IsWindow(focus_))
            ::SetFocus(focus_);
    }
    DisabledThreadWindows(const DisabledThreadWindows&) = delete;
    DisabledThreadWindows& operator=(const DisabledThreadWindows&) = delete;

private:
    static BOOL CALLBACK Collect(HWND w, LPARAM list)
    {
        if (::IsWindowVisible(w) && ::IsWindowEnabled(w))
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(w);
        return TRUE;
    }

    HWND active_;
    HWND focus_;
    std::vector<HWND> windows_;
};

} // namespace

void Startup()
{
    win32::FormClassName();
    win32::CustomControlClassName();
    win32::SolidBrush(clBtnFace);
}

void NotifyOwner(void* ownerWindow, const char16_t* name, intptr_t value)
{
    const auto owner = static_cast<HWND>(ownerWindow);
    if (owner && ::IsWindow(owner))
        ::SendMessageW(owner, ::RegisterWindowMessageW(reinterpret_cast<const wchar_t*>(name)),
                       static_cast<WPARAM>(value), 0);
}

bool ProcessMessages()
{
    return win32::DispatchPendingMessages();
}

int32_t MessageBox(void* ownerWindow, const std::u16string& text, const std::u16string& caption, uint32_t flags)
{
    HWND owner = ::GetActiveWindow();
    if (!owner && ownerWindow)
        owner = ::GetLastActivePopup(static_cast<HWND>(ownerWindow));
    const DisabledThreadWindows disabled;
    return ::MessageBoxW(owner, reinterpret_cast<const wchar_t*>(text.c_str()),
                         reinterpret_cast<const wchar_t*>(caption.c_str()), flags);
}

} // namespace kv::ui::backend
