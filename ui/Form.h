// TForm: a top-level window of our own class with a fixed dialog border.
// Closing it with the close box hides it; Release destroys it later, when
// the thread's messages are next processed.
#pragma once

#include "ui/WinControl.h"

namespace kv::ui {

enum class TPosition { poDesigned, poScreenCenter };

class TForm : public TWinControl {
public:
    explicit TForm(TComponent* owner);
    ~TForm() override;

    int32_t ClientWidth() const { return clientWidth_; }
    int32_t ClientHeight() const { return clientHeight_; }
    void SetClientSize(int32_t width, int32_t height);

    bool StayOnTop() const { return stayOnTop_; }
    void SetStayOnTop(bool stayOnTop);
    // Where the form stands on the screen (the backend's window, else its bounds).
    int32_t ScreenLeft() const;
    int32_t ScreenTop() const;

    TPosition Position() const { return position_; }
    void SetPosition(TPosition position) { position_ = position; }

    // Modeless: shows the window (centred the first time when so placed) and
    // gives the focus to the active control, or the first in the tab order.
    void Show();
    void Hide() { SetVisible(false); }
    // What the close box does: hides the form.
    virtual void Close();
    // Asks for the form's destruction at the next message processing.
    void Release();
    // The posted release has arrived: destroys the form, unless one of its
    // events is still running (a handler that processes messages itself);
    // then the release is posted again when the outermost event returns.
    void HandleRelease();

    // Marks an event of this form as running for one scope; null is allowed.
    class EventScope {
    public:
        explicit EventScope(TForm* form);
        ~EventScope();
        EventScope(const EventScope&) = delete;
        EventScope& operator=(const EventScope&) = delete;

    private:
        TForm* form_;
    };

    TWinControl* ActiveControl() const { return activeControl_; }
    void SetActiveControl(TWinControl* control) { activeControl_ = control; }

protected:
    void VisibleChanged() override;
    void ColorChanged() override;

private:
    TWinControl* FirstTabStop() const;

    FormPeer* formPeer_;
    int32_t clientWidth_ = 0;
    int32_t clientHeight_ = 0;
    bool stayOnTop_ = false;
    bool shownBefore_ = false;
    TPosition position_ = TPosition::poDesigned;
    TWinControl* activeControl_ = nullptr;
    int32_t eventDepth_ = 0;
    bool releaseDeferred_ = false;
};

} // namespace kv::ui
