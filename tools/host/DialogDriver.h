// Drives the plug-in's dialog as a user would, and owns what the platform
// needs for that: the host's main window and its message processing. Windows
// sends window messages to the dialog's own windows; the headless build calls
// the plug-in's automation exports.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "tools/host/PluginLibrary.h"

namespace kv::host {

class HostImage;
class HostSession;

// What the interactive host works on: the open image (replaced in place when
// the user opens another), the plug-in's exports (to show its dialog again)
// and the callback session (which reports the plug-in's changes).
struct InteractiveSession {
    HostImage& image;
    const PluginExports& exports;
    HostSession& session;
};

class DialogDriver {
public:
    virtual ~DialogDriver() = default;

    // The window handed to pi_initialize (null where there are no windows).
    virtual void* MainWindow() const = 0;
    // Types text into the folder box.
    virtual bool SetFolder(const std::string& text, std::string& error) = 0;
    // Checks "Image is 8 bit".
    virtual bool CheckEightBit(std::string& error) = 0;
    // Clicks Start; returns once the click has been handled.
    virtual bool ClickStart(std::string& error) = 0;
    // The folder box's text and whether "Image is 8 bit" is checked.
    virtual bool ReadState(std::string& folder, bool& eightBit, std::string& error) = 0;
    // The log's text, lines separated by CR LF or LF.
    virtual bool ReadLog(std::string& text, std::string& error) = 0;
    // From now on observer hears each new value of the dialog's gauge, also
    // while Start runs; on Windows the host's 100 ms timer starts as well.
    virtual bool WatchGauge(std::function<void(int32_t)> observer, std::string& error) = 0;
    // Writes what the dialog shows now as a 24-bit BMP file.
    virtual bool SaveDialogPicture(const std::string& path, std::string& error)
    {
        (void)path;
        error = "a picture of the dialog needs a build with windows (this one is headless)";
        return false;
    }
    // Whether Start takes clicks.
    virtual bool StartEnabled(bool& enabled, std::string& error) = 0;
    // Ticks of the host's timer and paints of the dialog so far (0 where the
    // build has no windows).
    virtual int TimerTicks() const { return 0; }
    virtual int GaugePaints() const { return 0; }
    // Handles everything pending, as the host's message loop would.
    virtual void ProcessMessages() = 0;
    // Makes the host's window the user's view of the session (its image, its
    // menu), before the plug-in's dialog first shows; the view lasts as long
    // as the driver. Nothing where the build has no windows.
    virtual void AttachInteractive(InteractiveSession&) {}
    // Shows the windows and runs until the host's window is closed.
    virtual bool RunInteractive(std::string& error) = 0;
};

// The platform's driver; null with error set when it cannot work with this
// plug-in (for instance a missing automation export).
std::unique_ptr<DialogDriver> MakeDialogDriver(const PluginLibrary& library, bool interactive, std::string& error);

} // namespace kv::host
