#include "ui/win32/Win32Peer.h"

#include <string>

#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/win32/GdiSurface.h"
#include "ui/win32/Module.h"
#include "ui/win32/WindowStyles.h"

namespace kv::ui::win32 {
namespace {

const wchar_t* Wide(const std::u16string& text)
{
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

// The system's classes hand a control its messages first.
LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    static const wchar_t* const kOldProc = L"KelvoranSystemProc";
    auto old = reinterpret_cast<WNDPROC>(::GetPropW(hwnd, kOldProc));
    if (message == WM_NCDESTROY) {
        ::RemovePropW(hwnd, kOldProc);
        ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old));
    } else if (TWinControl* control = ControlOf(hwnd)) {
        TMessage m{message, wParam, lParam, 0};
        if (control->WndProc(m))
            return m.Result;
    }
    return ::CallWindowProcW(old, hwnd, message, wParam, lParam);
}

void Subclass(HWND hwnd)
{
    const LONG_PTR old = ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassProc));
    ::SetPropW(hwnd, L"KelvoranSystemProc", reinterpret_cast<HANDLE>(old));
}

// Child identifiers for controls not given one, unique in the process; clear
// of IDOK and IDCANCEL, which the dialog manager sends for Enter and Escape,
// and of the identifiers the dialog gives its controls.
UINT_PTR NextChildId()
{
    static UINT_PTR next = 1000;
    return next++;
}

HWND CreateFor(TWinControl& control)
{
    const auto* form = dynamic_cast<TForm*>(&control);
    const SystemStyle s = StyleOf(control.Style(), form && form->StayOnTop());
    DWORD style = s.style;
    if (!form && control.Visible())
        style |= WS_VISIBLE;
    if (!control.Enabled())
        style |= WS_DISABLED;
    const HWND parent = form ? static_cast<HWND>(Application().OwnerWindow())
                             : static_cast<HWND>(control.Parent()->Handle());
    const TRect r = control.BoundsRect();
    const std::u16string text = control.Text();
    // A child window's menu argument is its identifier: the one the control
    // was given, else one of the process's own.
    const auto id = reinterpret_cast<HMENU>(form ? 0 : control.ControlId() != 0 ? static_cast<UINT_PTR>(control.ControlId()) : NextChildId());
    HWND hwnd = ::CreateWindowExW(s.exStyle, s.className, Wide(text), style, r.Left, r.Top, r.Width(), r.Height(),
                                  parent, id, ModuleInstance(), nullptr);
    if (!hwnd)
        return nullptr;
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&control));
    if (!form && control.Style().kind != WindowKind::Custom)
        Subclass(hwnd);
    return hwnd;
}

} // namespace

TWinControl* ControlOf(HWND hwnd)
{
    return reinterpret_cast<TWinControl*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

Win32Peer::Win32Peer(TWinControl& control) : control_(control), window_(CreateFor(control))
{
    SetFont();
    if (IsForm())
        dialogKeys_.Attach(Hwnd());
}

void PaintGraphicOn(HDC dc, TGraphicControl& control)
{
    const TRect r = control.BoundsRect();
    const int saved = ::SaveDC(dc);
    ::SetViewportOrgEx(dc, r.Left, r.Top, nullptr); // the control's own coordinates
    ::IntersectClipRect(dc, 0, 0, r.Width(), r.Height());
    GdiSurface surface(dc, r.Width(), r.Height());
    control.PaintOn(surface);
    ::RestoreDC(dc, saved);
}

bool Win32Peer::IsForm() const
{
    return control_.Style().kind == WindowKind::Form;
}

bool Win32Peer::IsList() const
{
    return control_.Style().kind == WindowKind::ListBox;
}

void Win32Peer::UpdateStyle()
{
    const auto* form = dynamic_cast<TForm*>(&control_);
    const SystemStyle s = StyleOf(control_.Style(), form && form->StayOnTop());
    const LONG_PTR kept = ::GetWindowLongPtrW(Hwnd(), GWL_STYLE) & (WS_VISIBLE | WS_DISABLED);
    ::SetWindowLongPtrW(Hwnd(), GWL_STYLE, static_cast<LONG_PTR>(s.style) | kept);
    if (control_.Style().kind == WindowKind::Edit || control_.Style().kind == WindowKind::Memo)
        ::SendMessageW(Hwnd(), EM_SETREADONLY, control_.Style().readOnly, 0);
    ::SetWindowPos(Hwnd(), nullptr, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void Win32Peer::SetBounds(const TRect& bounds)
{
    if (IsForm())
        ::SetWindowPos(Hwnd(), nullptr, bounds.Left, bounds.Top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    else
        ::MoveWindow(Hwnd(), bounds.Left, bounds.Top, bounds.Width(), bounds.Height(), TRUE);
}

void Win32Peer::SetText(const std::u16string& text)
{
    ::SetWindowTextW(Hwnd(), Wide(text));
}

void Win32Peer::AppendText(const std::u16string& text)
{
    // Appending is typed-in text to the control, so its limit applies: lift it.
    ::SendMessageW(Hwnd(), EM_SETLIMITTEXT, 0, 0);
    const int end = ::GetWindowTextLengthW(Hwnd());
    ::SendMessageW(Hwnd(), EM_SETSEL, static_cast<WPARAM>(end), static_cast<LPARAM>(end));
    ::SendMessageW(Hwnd(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(Wide(text)));
}

std::optional<std::u16string> Win32Peer::Text() const
{
    if (!Hwnd())
        return std::nullopt;
    std::wstring buffer(static_cast<size_t>(::GetWindowTextLengthW(Hwnd())) + 1, L'\0');
    const int n = ::GetWindowTextW(Hwnd(), buffer.data(), static_cast<int>(buffer.size()));
    return std::u16string(buffer.begin(), buffer.begin() + (n > 0 ? n : 0));
}

void Win32Peer::SetVisible(bool visible)
{
    if (!IsForm())
        ::ShowWindow(Hwnd(), visible ? SW_SHOWNA : SW_HIDE);
}

void Win32Peer::SetEnabled(bool enabled)
{
    ::EnableWindow(Hwnd(), enabled);
}

void Win32Peer::SetFont()
{
    if (IsForm() || !Hwnd())
        return;
    font_ = CreateFontFor(control_.Font());
    ::SendMessageW(Hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), TRUE);
}

void Win32Peer::SetFocus()
{
    ::SetFocus(Hwnd());
}

std::optional<bool> Win32Peer::Focused() const
{
    return Hwnd() && ::GetFocus() == Hwnd();
}

void Win32Peer::SetChecked(bool checked)
{
    ::SendMessageW(Hwnd(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

std::optional<bool> Win32Peer::Checked() const
{
    if (!Hwnd() || control_.Style().ownerDraw)
        return std::nullopt; // an owner-drawn button keeps its state in the control
    return ::SendMessageW(Hwnd(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32Peer::SetItems(const std::vector<std::u16string>& items)
{
    ::SendMessageW(Hwnd(), IsList() ? LB_RESETCONTENT : CB_RESETCONTENT, 0, 0);
    for (const auto& item : items)
        ::SendMessageW(Hwnd(), IsList() ? LB_ADDSTRING : CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(item)));
}

void Win32Peer::SetItemIndex(int32_t index)
{
    ::SendMessageW(Hwnd(), IsList() ? LB_SETCURSEL : CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::optional<int32_t> Win32Peer::ItemIndex() const
{
    if (!Hwnd())
        return std::nullopt;
    return static_cast<int32_t>(::SendMessageW(Hwnd(), IsList() ? LB_GETCURSEL : CB_GETCURSEL, 0, 0));
}

void Win32Peer::PlaceAfter(WindowPeer* previous)
{
    const HWND after = previous ? static_cast<HWND>(previous->Handle()) : HWND_TOP;
    ::SetWindowPos(Hwnd(), after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Win32Peer::Invalidate()
{
    ::InvalidateRect(Hwnd(), nullptr, TRUE);
}

void Win32Peer::Repaint()
{
    ::InvalidateRect(Hwnd(), nullptr, TRUE);
    ::UpdateWindow(Hwnd());
}

void Win32Peer::PaintChild(TGraphicControl& child, bool now)
{
    if (!now) {
        const TRect b = child.BoundsRect();
        const RECT r{b.Left, b.Top, b.Right, b.Bottom};
        ::InvalidateRect(Hwnd(), &r, child.Opaque() ? FALSE : TRUE);
        return;
    }
    if (!::IsWindowVisible(Hwnd()))
        return; // painted when shown
    HDC dc = ::GetDC(Hwnd());
    PaintGraphicOn(dc, child);
    ::ReleaseDC(Hwnd(), dc);
}

std::optional<intptr_t> Win32Peer::Perform(uint32_t message, uintptr_t wParam, intptr_t lParam)
{
    if (!Hwnd())
        return std::nullopt;
    return ::SendMessageW(Hwnd(), message, wParam, lParam);
}

void Win32Peer::SetClientSize(int32_t width, int32_t height)
{
    RECT r{0, 0, width, height};
    ::AdjustWindowRectEx(&r, static_cast<DWORD>(::GetWindowLongPtrW(Hwnd(), GWL_STYLE)), FALSE,
                         static_cast<DWORD>(::GetWindowLongPtrW(Hwnd(), GWL_EXSTYLE)));
    ::SetWindowPos(Hwnd(), nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Peer::SetTopMost(bool topMost)
{
    ::SetWindowPos(Hwnd(), topMost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

std::optional<std::pair<int32_t, int32_t>> Win32Peer::ScreenOrigin() const
{
    RECT r{};
    if (!::GetWindowRect(Hwnd(), &r))
        return std::nullopt;
    return std::make_pair(static_cast<int32_t>(r.left), static_cast<int32_t>(r.top));
}

void Win32Peer::CenterOnScreen()
{
    RECT r{};
    ::GetWindowRect(Hwnd(), &r);
    const int x = (::GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2;
    const int y = (::GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2;
    ::SetWindowPos(Hwnd(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Peer::Show()
{
    ::ShowWindow(Hwnd(), SW_SHOWNORMAL);
}

void Win32Peer::Hide()
{
    ::ShowWindow(Hwnd(), SW_HIDE);
}

void Win32Peer::PostRelease()
{
    ::PostMessageW(Hwnd(), kReleaseMessage, 0, 0);
}

} // namespace kv::ui::win32
