// Window procedures of our own classes: forms and custom-painted controls.
#include <map>
#include <vector>

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

// Windowless children of a window, in the order they were parented.
std::vector<TGraphicControl*> GraphicChildren(TWinControl& parent)
{
    std::vector<TGraphicControl*> children;
    for (int32_t i = 0; i < parent.ControlCount(); ++i)
        if (auto* g = dynamic_cast<TGraphicControl*>(parent.Controls(i)); g && g->Visible())
            children.push_back(g);
    return children;
}

// The background, except where an opaque windowless child paints over it.
void EraseWith(HWND hwnd, HDC dc, TWinControl& control)
{
    const int saved = ::SaveDC(dc);
    for (TGraphicControl* g : GraphicChildren(control))
        if (g->Opaque()) {
            const TRect b = g->BoundsRect();
            ::ExcludeClipRect(dc, b.Left, b.Top, b.Right, b.Bottom);
        }
    RECT r{};
    ::GetClientRect(hwnd, &r);
    ::FillRect(dc, &r, SolidBrush(control.Color()));
    ::RestoreDC(dc, saved);
}

void PaintWindowless(HWND hwnd, TWinControl& control)
{
    PAINTSTRUCT ps{};
    HDC dc = ::BeginPaint(hwnd, &ps);
    for (TGraphicControl* g : GraphicChildren(control))
        PaintGraphicOn(dc, *g);
    ::EndPaint(hwnd, &ps);
}

// The parent passes an owner-drawn button's draw request back to it.
bool OnDrawItem(const DRAWITEMSTRUCT& item)
{
    auto* button = dynamic_cast<TButton*>(ControlOf(item.hwndItem));
    if (!button || item.CtlType != ODT_BUTTON)
        return false;
    GdiSurface surface(item.hDC, item.rcItem.right - item.rcItem.left, item.rcItem.bottom - item.rcItem.top);
    button->DrawItem(TDrawItem{item.itemState, &surface});
    return true;
}

bool OnMeasureItem(HWND parent, MEASUREITEMSTRUCT& item)
{
    auto* button = dynamic_cast<TButton*>(ControlOf(::GetDlgItem(parent, static_cast<int>(item.CtlID))));
    if (!button)
        return false;
    int32_t width = 0, height = 0;
    button->MeasureItem(width, height);
    item.itemWidth = static_cast<UINT>(width);
    item.itemHeight = static_cast<UINT>(height);
    return true;
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
        EraseWith(hwnd, reinterpret_cast<HDC>(wParam), *form);
        return 1;
    case WM_PAINT:
        PaintWindowless(hwnd, *form);
        return 0;
    case WM_DRAWITEM:
        if (OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)))
            return TRUE;
        break;
    case WM_MEASUREITEM:
        if (OnMeasureItem(hwnd, *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)))
            return TRUE;
        break;
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
    TMessage m{message, wParam, lParam, 0};
    if (control->WndProc(m))
        return m.Result;
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
    case WM_LBUTTONDBLCLK:
        if (control->DoubleClicks())
            break;
        [[fallthrough]]; // a second click
    case WM_LBUTTONDOWN:
        ::SetCapture(hwnd);
        return 0;
    case WM_LBUTTONUP: {
        const bool captured = ::GetCapture() == hwnd;
        if (captured)
            ::ReleaseCapture();
        POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        RECT r{};
        ::GetClientRect(hwnd, &r);
        if (captured && ::PtInRect(&r, p))
            control->Click();
        return 0;
    }
    case WM_CHAR: {
        auto key = static_cast<char16_t>(wParam);
        control->KeyPress(key);
        return 0;
    }
    case WM_SETFOCUS:
        control->DoEnter();
        return 0;
    case WM_KILLFOCUS:
        control->DoExit();
        return 0;
    default:
        break;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

} // namespace kv::ui::win32
