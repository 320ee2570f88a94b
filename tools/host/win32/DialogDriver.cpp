// Drives the dialog with the window messages a user's actions produce, sent
// to the dialog's own windows.
#include "tools/host/DialogDriver.h"

#include <windows.h>

#include "os/Utf.h"
#include "tools/host/win32/DialogPicture.h"
#include "tools/host/win32/DialogWindows.h"
#include "tools/host/win32/GaugeWatch.h"
#include "tools/host/win32/HostWindow.h"
#include "tools/host/win32/InteractiveView.h"
#include "ui/win32/MessagePump.h"

namespace kv::host {

namespace {

namespace id = dialog_identity;

class WindowMessageDriver final : public DialogDriver {
public:
    explicit WindowMessageDriver(bool interactive) : window_(interactive) {}

    bool Ready(std::string& error) const
    {
        if (window_.Handle() == nullptr)
            error = "cannot create the host window (Windows error " + std::to_string(GetLastError()) + ")";
        return window_.Handle() != nullptr;
    }

    void* MainWindow() const override { return window_.Handle(); }

    bool SetFolder(const std::string& text, std::string& error) override
    {
        HWND edit = Control(FindControl(Dialog(error), id::EdStarnet), "the folder box (EdStarnet)", error);
        if (edit == nullptr)
            return false;
        const std::u16string wide = kv::os::Utf8ToUtf16(text);
        SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
        return true;
    }

    bool CheckEightBit(std::string& error) override
    {
        HWND box = Control(FindControl(Dialog(error), id::CBScale8bit), "the check box \"Image is 8 bit\"", error);
        if (box == nullptr)
            return false;
        // A click is what a user does, and it notifies the dialog; a box that
        // does not check itself on a click is then set directly.
        if (SendMessageW(box, BM_GETCHECK, 0, 0) != BST_CHECKED)
            SendMessageW(box, BM_CLICK, 0, 0);
        if (SendMessageW(box, BM_GETCHECK, 0, 0) != BST_CHECKED)
            SendMessageW(box, BM_SETCHECK, BST_CHECKED, 0);
        if (SendMessageW(box, BM_GETCHECK, 0, 0) != BST_CHECKED) {
            error = "the check box \"Image is 8 bit\" does not stay checked";
            return false;
        }
        return true;
    }

    bool ClickStart(std::string& error) override
    {
        HWND dialog = Dialog(error);
        HWND button = Control(FindControl(dialog, id::ButStart), "the button \"Start\"", error);
        if (button == nullptr)
            return false;
        if (!IsWindowEnabled(button) || !IsWindowVisible(button)) {
            error = "the button \"Start\" is disabled or hidden";
            return false;
        }
        // A click may fail on an inactive dialog.
        SetActiveWindow(dialog);
        SendMessageW(button, BM_CLICK, 0, 0);
        return true;
    }

    bool ReadState(std::string& folder, bool& eightBit, std::string& error) override
    {
        HWND dialog = Dialog(error);
        HWND edit = Control(FindControl(dialog, id::EdStarnet), "the folder box (EdStarnet)", error);
        HWND box = edit ? Control(FindControl(dialog, id::CBScale8bit), "the check box \"Image is 8 bit\"", error) : nullptr;
        if (box == nullptr)
            return false;
        const std::wstring wide = WindowText(edit);
        folder = kv::os::Utf16ToUtf8(std::u16string_view(reinterpret_cast<const char16_t*>(wide.data()), wide.size()));
        eightBit = SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
        return true;
    }

    bool ReadLog(std::string& text, std::string& error) override
    {
        HWND memo = Control(FindControl(Dialog(error), id::MemoLog), "the log (MemoLog)", error);
        if (memo == nullptr)
            return false;
        const std::wstring wide = WindowText(memo);
        text = kv::os::Utf16ToUtf8(std::u16string_view(reinterpret_cast<const char16_t*>(wide.data()), wide.size()));
        return true;
    }

    bool WatchGauge(std::function<void(int32_t)> observer, std::string& error) override
    {
        HWND dialog = Dialog(error);
        if (dialog == nullptr)
            return false;
        if (!WatchDialog(dialog, std::move(observer))) {
            error = "cannot watch the dialog window";
            return false;
        }
        window_.StartTimer();
        return true;
    }

    bool SaveDialogPicture(const std::string& path, std::string& error) override
    {
        HWND dialog = Dialog(error);
        return dialog != nullptr && SaveWindowPicture(dialog, path, error);
    }

    bool StartEnabled(bool& enabled, std::string& error) override
    {
        HWND button = Control(FindControl(Dialog(error), id::ButStart), "the button \"Start\"", error);
        if (button == nullptr)
            return false;
        enabled = IsWindowEnabled(button) != FALSE;
        return true;
    }

    int TimerTicks() const override { return HostWindow::TimerTicks(); }
    int GaugePaints() const override { return DialogPaintCount(); }

    void ProcessMessages() override
    {
        ui::win32::DispatchPendingMessages();
    }

    void AttachInteractive(InteractiveSession& interactive) override
    {
        view_ = std::make_unique<InteractiveView>(window_.Handle(), interactive);
    }

    bool RunInteractive(std::string&) override
    {
        MSG msg;
        while (IsWindow(window_.Handle()) && GetMessageW(&msg, nullptr, 0, 0) > 0) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        return true;
    }

private:
    HWND Dialog(std::string& error)
    {
        HWND dialog = FindDialogWindow();
        if (dialog == nullptr)
            error = "no dialog window with the caption \"" + kv::os::Utf16ToUtf8(dialog_identity::kCaption) + "\"";
        return dialog;
    }

    static HWND Control(HWND control, const char* what, std::string& error)
    {
        if (control == nullptr && error.empty())
            error = std::string("the dialog has no ") + what;
        return control;
    }

    HostWindow window_;
    std::unique_ptr<InteractiveView> view_; // declared after the window: it goes first
};

} // namespace

std::unique_ptr<DialogDriver> MakeDialogDriver(const PluginLibrary&, bool interactive, std::string& error)
{
    auto driver = std::make_unique<WindowMessageDriver>(interactive);
    if (!driver->Ready(error))
        return nullptr;
    return driver;
}

} // namespace kv::host
