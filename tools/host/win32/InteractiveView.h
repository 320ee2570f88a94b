// The interactive host's main window as a user sees it: the open image scaled
// to fit with a display stretch, and a menu to open a TIFF, show the
// plug-in's dialog and save the image. It repaints when the plug-in reports a
// change (command 2).
#pragma once

#include <windows.h>

#include <string>

#include "tools/host/DialogDriver.h"
#include "tools/host/DisplayStretch.h"

namespace kv::host {

enum : UINT {
    kMenuOpen = 1001,
    kMenuSave = 1002,
    kMenuExit = 1003,
    kMenuShowPlugin = 1010,
};

class InteractiveView {
public:
    // Attaches to the host's window (menu, painting) for its lifetime.
    InteractiveView(HWND window, const InteractiveSession& session);
    ~InteractiveView();
    InteractiveView(const InteractiveView&) = delete;
    InteractiveView& operator=(const InteractiveView&) = delete;

    // The messages the view takes; handled is set when it took one.
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    static InteractiveView* Of(HWND window);

private:
    void ImageChanged();
    void Paint();
    void Open();
    void Save();
    // The plug-in's dialog disables Start exactly while its tool runs and it
    // holds the image's planes: no other image may be opened then.
    bool PluginRunning() const;
    void Tell(const std::string& text, UINT icon) const;

    HWND window_;
    InteractiveSession session_; // the references it holds outlive the view's use of them
    HMENU menu_ = nullptr;
    DisplayBitmap bitmap_;
};

} // namespace kv::host
