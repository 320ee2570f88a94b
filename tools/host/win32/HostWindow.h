// The host's main window: the owner of the plug-in's windows. Destroyed with
// the object; closing it ends the interactive message loop.
#pragma once

#include <windows.h>

namespace kv::host {

class HostWindow {
public:
    explicit HostWindow(bool visible);
    ~HostWindow();
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    HWND Handle() const { return window_; }
    // Starts the window's 100 ms timer; TimerTicks counts its WM_TIMER messages.
    void StartTimer();
    static int TimerTicks();

private:
    HWND window_ = nullptr;
};

} // namespace kv::host
