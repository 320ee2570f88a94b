#include "tools/host/HostCallback.h"

namespace kv::host {

intptr_t HostSession::ImageHandle() const
{
    return HasImage() ? reinterpret_cast<intptr_t>(image_) : 0;
}

intptr_t HostSession::Answer(uint8_t command, intptr_t value, void* data, intptr_t param)
{
    commands_.push_back({command, value, reinterpret_cast<intptr_t>(data), param});
    const bool ours = HasImage() && value == ImageHandle();
    switch (command) {
    case HC_GET_ACTIVE_IMAGE:
        return value == kActiveImageQuery ? ImageHandle() : 0;
    case HC_GET_IMAGE_SIZE:
        if (ours && data != nullptr && param != 0) {
            *static_cast<int32_t*>(data) = image_->Width();
            *reinterpret_cast<int32_t*>(param) = image_->Height();
        }
        return 0;
    case HC_GET_PLANE:
        if (ours && data != nullptr) {
            if (float* plane = image_->Plane(param))
                *static_cast<float**>(data) = plane;
        }
        return 0;
    case HC_AFTER_UPDATE:
        if (ours && onChanged_)
            onChanged_();
        return 0;
    default: // 8 and anything else: recorded only
        return 0;
    }
}

namespace {
HostSession* currentSession = nullptr;
}

void SetCallbackSession(HostSession* session)
{
    currentSession = session;
}

intptr_t KV_STDCALL HostCallbackEntry(uint8_t command, intptr_t value, void* data, intptr_t param)
{
    try {
        return currentSession != nullptr ? currentSession->Answer(command, value, data, param) : 0;
    } catch (...) {
        return 0; // out of memory while recording: the plug-in gets a plain 0
    }
}

} // namespace kv::host
