// kelvoran.dll loaded from the test's folder, with its three exports, and a
// main window standing in for the host's.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "entry/plugin.h"
#include "tools/host/PluginLibrary.h"

namespace kv::test {

class PluginLibrary {
public:
    PluginLibrary();

    bool Loaded() const { return loaded_; }
    int32_t Initialize(HostCallbackFn callback, char* name, char* description, HWND mainWindow)
    {
        return exports_.initialize(callback, name, description, mainWindow);
    }
    void Activate() { exports_.activate(0, 0); }
    void Finalize() { exports_.finalize(0); }

private:
    host::PluginLibrary library_;
    host::PluginExports exports_;
    bool loaded_ = false;
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
