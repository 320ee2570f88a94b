// kelvoran.dll loaded from the test's folder, with its three exports, and a
// main window standing in for the host's.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "entry/plugin.h"
#include "os/DynamicLibrary.h"

namespace kv::test {

class PluginLibrary {
public:
    PluginLibrary();

    bool Loaded() const { return library_.IsOpen() && initialize_ && activate_ && finalize_; }
    int32_t Initialize(HostCallbackFn callback, char* name, char* description, HWND mainWindow)
    {
        return initialize_(callback, name, description, mainWindow);
    }
    void Activate() { activate_(0, 0); }
    void Finalize() { finalize_(0); }

private:
    os::DynamicLibrary library_;
    decltype(&pi_initialize) initialize_ = nullptr;
    decltype(&pi_activate) activate_ = nullptr;
    decltype(&pi_finalize) finalize_ = nullptr;
};

// A visible top-level window of the test's own, destroyed with the object.
class MainWindow {
public:
    MainWindow();
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;
    HWND Get() const { return hwnd_; }

private:
    HWND hwnd_ = nullptr;
};

// Dispatches every pending message, as a host's message loop does.
void PumpMessages();

} // namespace kv::test
