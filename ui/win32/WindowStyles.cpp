#include "ui/win32/WindowStyles.h"

#include "ui/win32/Module.h"

namespace kv::ui::win32 {

SystemStyle StyleOf(const WindowStyle& style, bool topMost)
{
    if (style.kind == WindowKind::Form) {
        DWORD ex = WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_CONTROLPARENT;
        if (topMost)
            ex |= WS_EX_TOPMOST;
        return {FormClassName(), WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, ex};
    }
    DWORD common = WS_CHILD | WS_CLIPSIBLINGS;
    if (style.tabStop)
        common |= WS_TABSTOP;
    if (style.vScroll)
        common |= WS_VSCROLL;
    if (style.hScroll)
        common |= WS_HSCROLL;
    const DWORD readOnly = style.readOnly ? ES_READONLY : 0;
    switch (style.kind) {
    case WindowKind::Label:
        return {L"Static", common | SS_LEFTNOWORDWRAP | SS_NOTIFY, 0}; // one line, clipped, as a label without word wrap
    case WindowKind::Edit:
        return {L"Edit", common | ES_AUTOHSCROLL | ES_LEFT | readOnly, WS_EX_CLIENTEDGE};
    case WindowKind::Memo:
        return {L"Edit", common | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | ES_LEFT | readOnly, WS_EX_CLIENTEDGE};
    case WindowKind::Button:
        return {L"Button", common | (style.ownerDraw ? BS_OWNERDRAW : BS_PUSHBUTTON), 0};
    case WindowKind::CheckBox:
        return {L"Button", common | (style.ownerDraw ? BS_OWNERDRAW : BS_AUTOCHECKBOX), 0};
    case WindowKind::RadioButton:
        return {L"Button", common | (style.ownerDraw ? BS_OWNERDRAW : BS_AUTORADIOBUTTON), 0};
    case WindowKind::GroupBox:
        return {L"Button", common | BS_GROUPBOX, WS_EX_CONTROLPARENT};
    case WindowKind::ListBox:
        return {L"ListBox", common | LBS_NOTIFY | WS_VSCROLL, WS_EX_CLIENTEDGE};
    case WindowKind::ComboBox:
        return {L"ComboBox", common | CBS_DROPDOWNLIST | WS_VSCROLL, 0};
    case WindowKind::Custom:
    case WindowKind::Form:
        break;
    }
    return {CustomControlClassName(), common, 0};
}

} // namespace kv::ui::win32
