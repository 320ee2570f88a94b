// Window messages as the framework's controls see them. The win32 backend
// hands a control the messages of its window before the system's own
// handling; the headless backend has no windows, so only Perform sends any.
#pragma once

#include <cstdint>

namespace kv::ui {

struct TMessage {
    uint32_t Msg = 0;
    uintptr_t WParam = 0;
    intptr_t LParam = 0;
    intptr_t Result = 0;
};

// The values of the system's messages that controls handle themselves.
namespace msg {
constexpr uint32_t kSetFocus = 0x0007;
constexpr uint32_t kKillFocus = 0x0008;
constexpr uint32_t kGetDlgCode = 0x0087;
constexpr uint32_t kLButtonDown = 0x0201;
constexpr uint32_t kLButtonUp = 0x0202;
constexpr uint32_t kLButtonDblClk = 0x0203;
// A push button's style change; the system's dialog manager sends it to move
// the default-button look as the focus moves.
constexpr uint32_t kButtonSetStyle = 0x00F4;
constexpr uint32_t kStyleDefPushButton = 0x0001;
} // namespace msg

} // namespace kv::ui
