// Window procedures of our own classes: forms and custom-painted controls.
#include <map>

#include "ui/Button.h"
#include "ui/CustomControl.h"
#include "ui/Form.h"
#include "ui/SysColors.h"
#include "ui/win32/GdiSurface.h"
#include "ui/win32/Module.h"
#include "ui/win32/Win32Peer.h"

namespace kv::ui::win32 {

HBRUSH SolidBrush(TColor color)
{
    static std::map<COLORREF, Brush> brushes;
    const COLORREF rgb = ColorToRGB(color);
    Brush& brush = brushes[rgb];
    if (!brush.Get())
        brush.Reset(::CreateSolidBrush(rgb));
    return brush.Get();
}

namespace {

void EraseWith(HWND hwnd, HDC dc, TColor color)
{
    RECT r{};
    ::GetClientRect(hwnd, &r);
    ::FillRect(dc, &r, SolidBrush(color));
}

// A child's notification: a click on a button runs its control's click event.
void OnCommand(WPARAM wParam, LPARAM lParam)
{
    auto* control = ControlOf(reinterpret_cast<HWND>(lParam));
    if (!control || HIWORD(wParam) != BN_CLICKED)
        return;
    if (dynamic_cast<TButton*>(control) || dynamic_cast<TButtonControl*>(control))
        control->Click();
}

LRESULT OnCtlColor(HWND child, HDC dc)
{
    auto* control = ControlOf(child);
    const TColor color = control ? control->Color() : clBtnFace;
    ::SetBkColor(dc, ColorToRGB(color));
    ::SetTextColor(dc, ColorToRGB(control ? control->Font().Color : clWindowText));
    return reinterpret_cast<LRESULT>(SolidBrush(color));
}

} // namespace

LRESULT CALLBACK FormWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* form = dynamic_cast<TForm*>(ControlOf(hwnd));
    if (!form)
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    switch (message) {
    case WM_COMMAND:
        if (lParam)
            OnCommand(wParam, lParam);
        return 0;
    case WM_CLOSE:
        form->Close();
        return 0;
    case WM_ERASEBKGND:
        EraseWith(hwnd, reinterpret_cast<HDC>(wParam), form->Color());
        return 1;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        return OnCtlColor(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam));
    case WM_ACTIVATE:
        // Keep the focused control across deactivation, as dialogs do.
        if (LOWORD(wParam) == WA_INACTIVE) {
            if (auto* focused = ControlOf(::GetFocus()); focused && focused != form && focused->ParentForm() == form)
                form->SetActiveControl(focused);
        } else if (auto* active = form->ActiveControl(); active && active->CanFocus()) {
            active->SetFocus();
            return 0;
        }
        break;
    case kReleaseMessage:
        form->HandleRelease(); // may destroy this window; nothing of it is touched after this
        return 0;
    default:
        break;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK CustomControlWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* control = dynamic_cast<TCustomControl*>(ControlOf(hwnd));
    if (!control)
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    switch (message) {
    case WM_ERASEBKGND:
        return 1; // Paint covers the whole control
    case WM_PAINT: {
        PAINTSTRUCT ps{};
        HDC dc = ::BeginPaint(hwnd, &ps);
        RECT r{};
        ::GetClientRect(hwnd, &r);
        GdiSurface surface(dc, r.right, r.bottom);
        control->PaintOn(surface);
        ::EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_LBUTTONUP:
        control->Click();
        return 0;
    default:
        break;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

} // namespace kv::ui::win32
