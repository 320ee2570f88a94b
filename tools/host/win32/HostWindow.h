// The host's main window: the owner of the plug-in's windows. Destroyed with
// the object; closing it ends the interactive message loop.
#pragma once

#include <windows.h>

#include "ui/win32/Handles.h"

namespace kv::host {

class HostWindow {
public:
    explicit HostWindow(bool visible);

    HWND Handle() const { return window_.Get(); }
    // Starts the window's 100 ms timer; TimerTicks counts its WM_TIMER messages.
    void StartTimer();
    static int TimerTicks();

private:
    ui::win32::Window window_;
};

} // namespace kv::host
