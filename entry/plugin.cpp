// The three exports. No exception may leave them: the host is not C++.
#include "entry/plugin.h"

#include <cstring>

#include "dialog/Unit1.h"
#include "entry/PluginState.h"
#include "ui/Application.h"

namespace kv {

TForm1* Form1 = nullptr;

namespace {

constexpr char kPluginName[] = "Kelvoran 2.0";
constexpr char kPluginDescription[] = "Remove stars using Artificial Intelligence";

void CopyText(char* buffer, const char* text, std::size_t bytesWithNul)
{
    // The host sizes the buffers; a missing one is skipped rather than written through.
    if (buffer)
        std::memcpy(buffer, text, bytesWithNul);
}

} // namespace
} // namespace kv

extern "C" {

int32_t KV_STDCALL pi_initialize(HostCallbackFn callback, char* name, char* description, void* mainWindow)
{
    using namespace kv;
    try {
        HostCallback = callback;
        CopyText(name, kPluginName, sizeof kPluginName);
        CopyText(description, kPluginDescription, sizeof kPluginDescription);
        ui::Application().SetOwnerWindow(mainWindow);
        Form1 = nullptr; // forgotten, not destroyed
    } catch (...) {
    }
    return 1;
}

void KV_STDCALL pi_activate(intptr_t, intptr_t)
{
    using namespace kv;
    try {
        if (!Form1)
            Form1 = new TForm1(&ui::Application());
        Form1->Show();
    } catch (...) {
    }
}

void KV_STDCALL pi_finalize(intptr_t)
{
    using namespace kv;
    try {
        if (Form1) {
            Form1->Release();
            // The released dialog is never touched again: a later pi_activate makes a new one.
            Form1 = nullptr;
        }
    } catch (...) {
    }
}

} // extern "C"
