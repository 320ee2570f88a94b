// A real window kept in step with its control; for a form, a top-level
// window of our own class owned by the host's main window.
#pragma once

#include "ui/win32/WindowsApi.h"

#include "ui/WinControl.h"
#include "ui/win32/DialogKeys.h"
#include "ui/win32/Handles.h"

namespace kv::ui::win32 {

class Win32Peer : public FormPeer {
public:
    explicit Win32Peer(TWinControl& control);

    void* Handle() const override { return window_.Get(); }
    void UpdateStyle() override;
    void SetBounds(const TRect& bounds) override;
    void SetText(const std::u16string& text) override;
    void AppendText(const std::u16string& text) override;
    std::optional<std::u16string> Text() const override;
    void SetVisible(bool visible) override;
    void SetEnabled(bool enabled) override;
    void SetFont() override;
    void SetFocus() override;
    std::optional<bool> Focused() const override;
    void SetChecked(bool checked) override;
    std::optional<bool> Checked() const override;
    void SetItems(const std::vector<std::u16string>& items) override;
    void SetItemIndex(int32_t index) override;
    std::optional<int32_t> ItemIndex() const override;
    void PlaceAfter(WindowPeer* previous) override;
    void Invalidate() override;
    void Repaint() override;
    void PaintChild(TGraphicControl& child, bool now) override;
    std::optional<intptr_t> Perform(uint32_t message, uintptr_t wParam, intptr_t lParam) override;

    void SetClientSize(int32_t width, int32_t height) override;
    void SetTopMost(bool topMost) override;
    std::optional<std::pair<int32_t, int32_t>> ScreenOrigin() const override;
    void CenterOnScreen() override;
    void Show() override;
    void Hide() override;
    void PostRelease() override;

private:
    HWND Hwnd() const { return window_.Get(); }
    bool IsForm() const;
    bool IsList() const;

    TWinControl& control_;
    Font font_;
    DialogKeys dialogKeys_; // forms only: keyboard navigation while the form exists
    Window window_; // last member: destroyed first, before the font it uses
};

// The control behind a window of ours, or null.
TWinControl* ControlOf(HWND hwnd);

// Paints a windowless control on its parent's device context, in its bounds.
void PaintGraphicOn(HDC dc, TGraphicControl& control);

} // namespace kv::ui::win32
