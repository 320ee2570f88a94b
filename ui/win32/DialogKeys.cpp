#include "ui/win32/DialogKeys.h"

#include <algorithm>
#include <vector>

#include "ui/Button.h"
#include "ui/win32/Win32Peer.h"

namespace kv::ui::win32 {
namespace {

struct HookState {
    HHOOK hook = nullptr;
    std::vector<HWND> forms;
};

HookState& State()
{
    static HookState state;
    return state;
}

LRESULT CALLBACK GetMessageHook(int code, WPARAM wParam, LPARAM lParam)
{
    // Only a message being taken off the queue; a peek that leaves it there comes back later.
    if (code == HC_ACTION && wParam == PM_REMOVE) {
        MSG& m = *reinterpret_cast<MSG*>(lParam);
        if (m.message >= WM_KEYFIRST && m.message <= WM_KEYLAST && m.hwnd) {
            const std::vector<HWND> forms = State().forms; // a handler may close a form
            for (HWND form : forms)
                if (m.hwnd == form || ::IsChild(form, m.hwnd)) {
                    if (HandleDialogKey(form, m)) {
                        m.message = WM_NULL;
                        m.wParam = 0;
                        m.lParam = 0;
                    }
                    break;
                }
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

bool Pressed(int key)
{
    return (::GetKeyState(key) & 0x8000) != 0;
}

} // namespace

DialogKeys::~DialogKeys()
{
    if (!form_)
        return;
    HookState& s = State();
    s.forms.erase(std::remove(s.forms.begin(), s.forms.end(), form_), s.forms.end());
    if (s.forms.empty() && s.hook) {
        ::UnhookWindowsHookEx(s.hook);
        s.hook = nullptr;
    }
}

void DialogKeys::Attach(HWND form)
{
    if (!form)
        return;
    form_ = form;
    HookState& s = State();
    s.forms.push_back(form);
    if (!s.hook)
        s.hook = ::SetWindowsHookExW(WH_GETMESSAGE, &GetMessageHook, nullptr, ::GetCurrentThreadId());
}

bool HandleDialogKey(HWND form, MSG& m)
{
    if (!::IsWindowVisible(form) || !::IsWindowEnabled(form))
        return false;
    if (m.message == WM_KEYDOWN && m.wParam == VK_TAB && !Pressed(VK_CONTROL) && !Pressed(VK_MENU)) {
        // Every control is passed by Tab, whatever keys it asks for (the log among them).
        if (HWND next = ::GetNextDlgTabItem(form, ::GetFocus(), Pressed(VK_SHIFT)))
            ::SetFocus(next);
        return true;
    }
    if (m.message == WM_KEYDOWN && m.wParam == VK_RETURN) {
        HWND focus = ::GetFocus();
        if (focus && ::IsChild(form, focus) && ::IsWindowEnabled(focus) && dynamic_cast<TButton*>(ControlOf(focus))) {
            // The focused push button is the default one: Enter presses it.
            ::SendMessageW(::GetParent(focus), WM_COMMAND,
                           MAKEWPARAM(static_cast<WORD>(::GetDlgCtrlID(focus)), BN_CLICKED),
                           reinterpret_cast<LPARAM>(focus));
            return true;
        }
    }
    if (m.message == WM_CHAR && m.wParam == L'\t')
        return true; // what is left of a Tab handled above
    return ::IsDialogMessageW(form, &m) != FALSE;
}

} // namespace kv::ui::win32
