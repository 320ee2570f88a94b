// The host's answers to the plug-in's callback commands, and the record of
// every command received, in order.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "entry/plugin.h"
#include "tools/host/HostImage.h"

namespace kv::host {

struct CommandRecord {
    uint8_t command;
    intptr_t value;
    intptr_t data; // the pointer as a number: recorded, never followed afterwards
    intptr_t param;
};

class HostSession {
public:
    // image may be null or empty: no image is open then.
    explicit HostSession(HostImage* image) : image_(image) {}

    // The image's handle (never 0 for an open image), or 0.
    intptr_t ImageHandle() const;
    // Answers one command as the plug-in boundary describes; records it first.
    // A wrong handle, a null out-pointer or an unknown plane code is answered
    // with 0 and nothing is written.
    intptr_t Answer(uint8_t command, intptr_t value, void* data, intptr_t param);
    const std::vector<CommandRecord>& Commands() const { return commands_; }
    // Called after the plug-in has said that the image changed (command 2).
    void SetChangeListener(std::function<void()> listener) { onChanged_ = std::move(listener); }

private:
    bool HasImage() const { return image_ != nullptr && !image_->Empty(); }

    HostImage* image_;
    std::vector<CommandRecord> commands_;
    std::function<void()> onChanged_;
};

// The function handed to pi_initialize. It forwards to the session made
// current with SetCallbackSession (there is one plug-in per host process) and
// lets no exception through to the plug-in.
intptr_t KV_STDCALL HostCallbackEntry(uint8_t command, intptr_t value, void* data, intptr_t param);
void SetCallbackSession(HostSession* session);

} // namespace kv::host
