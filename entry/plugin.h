// The plug-in's boundary with the host: the three exports and the callback
// through which the plug-in reaches the host's image.
#pragma once

#include <cstdint>

// The host's one callback. value is the image handle for every command but 16.
using HostCallbackFn = intptr_t(KV_STDCALL*)(uint8_t command, intptr_t value, void* data, intptr_t param);

// Host callback commands and plane codes.
enum : uint8_t {
    HC_GET_PLANE = 0,         // value: image, data: float** out, param: plane code 0, 2 or 3
    HC_GET_IMAGE_SIZE = 1,    // value: image, data: int32_t* width out, param: int32_t* height out
    HC_AFTER_UPDATE = 2,      // value: image, data: (void*)1, param: 0
    HC_BEFORE_UPDATE = 8,     // value: image, data: null, param: 0
    HC_GET_ACTIVE_IMAGE = 16, // value: 4096, data: null, param: 0; result: image handle or 0
};
constexpr intptr_t kActiveImageQuery = 4096;

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
