// The plug-in's boundary with the host: the three exports and the callback
// through which the plug-in reaches the host's image.
#pragma once

#include <cstdint>

#include "base/HostCallback.h"

#if defined(KV_BUILDING_PLUGIN)
#define KV_PLUGIN_API __attribute__((visibility("default")))
#else
#define KV_PLUGIN_API
#endif

extern "C" {
// Registers the plug-in: stores the callback, copies the name and description
// (NUL-terminated 8-bit text) into the host's buffers, makes mainWindow the
// owner of the plug-in's windows, forgets any earlier dialog. Returns 1.
KV_PLUGIN_API int32_t KV_STDCALL pi_initialize(HostCallbackFn callback, char* name, char* description, void* mainWindow);
// Shows the dialog, creating it first when there is none. The two arguments
// (passed by 32-bit hosts) are not read.
KV_PLUGIN_API void KV_STDCALL pi_activate(intptr_t unused1, intptr_t unused2);
// Asks the dialog to release itself at the host's next message processing.
KV_PLUGIN_API void KV_STDCALL pi_finalize(intptr_t unused);
}
