// The host's one callback, its commands and plane codes, and the stored
// callback through which the dialog reaches the host's image.
#pragma once

#include <cstdint>

// value is the image handle for every command but 16.
using HostCallbackFn = intptr_t(KV_STDCALL*)(uint8_t command, intptr_t value, void* data, intptr_t param);

// Host callback commands.
enum : uint8_t {
    HC_GET_PLANE = 0,         // value: image, data: float** out, param: plane code 0, 2 or 3
    HC_GET_IMAGE_SIZE = 1,    // value: image, data: int32_t* width out, param: int32_t* height out
    HC_AFTER_UPDATE = 2,      // value: image, data: (void*)1, param: 0
    HC_BEFORE_UPDATE = 8,     // value: image, data: null, param: 0
    HC_GET_ACTIVE_IMAGE = 16, // value: 4096, data: null, param: 0; result: image handle or 0
};
constexpr intptr_t kActiveImageQuery = 4096;

// Plane codes of HC_GET_PLANE: the main plane (the only one of a grey
// image) and the two further colour planes.
enum : intptr_t {
    PLANE_MAIN = 0,
    PLANE_SECOND = 2,
    PLANE_THIRD = 3,
};

namespace kv {

// Kept for the library's whole life once pi_initialize has stored it.
extern HostCallbackFn HostCallback;

} // namespace kv
