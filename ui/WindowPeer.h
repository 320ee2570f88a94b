// The backend side of a windowed control. The win32 backend keeps a real
// window in step with the control; the headless one keeps nothing, and the
// control's own fields are the whole state. Reads return nullopt when the
// control's fields are authoritative.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "ui/Types.h"

namespace kv::ui {

class TWinControl;
class TForm;
class TCanvas;
class TGraphicControl;

enum class WindowKind { Form, Label, Edit, Memo, Button, CheckBox, RadioButton, GroupBox, ListBox, ComboBox, Custom };

// What a backend needs to know to make the window; asked again by UpdateStyle.
struct WindowStyle {
    WindowKind kind = WindowKind::Custom;
    bool tabStop = false;
    bool readOnly = false;
    bool vScroll = false;
    bool hScroll = false;
    bool ownerDraw = false;
};

class WindowPeer {
public:
    virtual ~WindowPeer() = default;
    // The system's window handle, or null when the backend has no windows.
    virtual void* Handle() const = 0;
    virtual void UpdateStyle() = 0;
    virtual void SetBounds(const TRect& bounds) = 0;
    virtual void SetText(const std::u16string& text) = 0;
    // Adds text at the end of an edit window without sending the rest again.
    virtual void AppendText(const std::u16string&) {}
    virtual std::optional<std::u16string> Text() const = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual void SetEnabled(bool enabled) = 0;
    virtual void SetFont() = 0;
    virtual void SetFocus() = 0;
    virtual std::optional<bool> Focused() const = 0;
    virtual void SetChecked(bool checked) = 0;
    virtual std::optional<bool> Checked() const = 0;
    virtual void SetItems(const std::vector<std::u16string>& items) = 0;
    virtual void SetItemIndex(int32_t index) = 0;
    virtual std::optional<int32_t> ItemIndex() const = 0;
    // Puts this window after `previous` (or first when null) in the tab order.
    virtual void PlaceAfter(WindowPeer* previous) = 0;
    // Asks for a repaint; the headless backend paints at once.
    virtual void Invalidate() = 0;
    // Paints a windowless child inside its bounds: now, or at the next paint cycle.
    virtual void PaintChild(TGraphicControl& child, bool now) = 0;
    // Repaints the window now.
    virtual void Repaint() = 0;
    // Sends a message to the window; nullopt when there is no window to send it to.
    virtual std::optional<intptr_t> Perform(uint32_t message, uintptr_t wParam, intptr_t lParam) = 0;
};

// A top-level window of our own class.
class FormPeer : public WindowPeer {
public:
    virtual void SetClientSize(int32_t width, int32_t height) = 0;
    virtual void SetTopMost(bool topMost) = 0;
    // The window's top-left corner on the screen, where the backend has windows.
    virtual std::optional<std::pair<int32_t, int32_t>> ScreenOrigin() const { return std::nullopt; }
    virtual void CenterOnScreen() = 0;
    virtual void Show() = 0;
    virtual void Hide() = 0;
    // Destroys the form when the thread's messages are next processed.
    virtual void PostRelease() = 0;
};

std::unique_ptr<WindowPeer> CreateWindowPeer(TWinControl& control);
std::unique_ptr<FormPeer> CreateFormPeer(TForm& form);

} // namespace kv::ui
