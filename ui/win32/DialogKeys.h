// Keyboard use of a form as of any dialog: Tab and Shift+Tab move the focus
// through the tab order, Enter presses the focused push button, and the rest
// goes to the system's dialog manager. A host's message loop need not call
// IsDialogMessage for a modeless window of a plug-in, so each form registers
// here while it exists, and a message hook of the thread (installed with the
// first form, removed with the last) takes the forms' keyboard messages
// before the host's loop dispatches them.
#pragma once

#include "ui/win32/WindowsApi.h"

namespace kv::ui::win32 {

class DialogKeys {
public:
    DialogKeys() = default;
    ~DialogKeys();
    DialogKeys(const DialogKeys&) = delete;
    DialogKeys& operator=(const DialogKeys&) = delete;

    void Attach(HWND form);

private:
    HWND form_ = nullptr;
};

// One keyboard message of a form's window or a child of it; true when it has
// been handled (the caller then drops it).
bool HandleDialogKey(HWND form, MSG& message);

} // namespace kv::ui::win32
