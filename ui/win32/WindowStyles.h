// The system class and style bits of each kind of control.
#pragma once

#include "ui/win32/WindowsApi.h"

#include "ui/WindowPeer.h"

namespace kv::ui::win32 {

struct SystemStyle {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

// Form: a fixed dialog border without minimise or maximise box.
SystemStyle StyleOf(const WindowStyle& style, bool topMost);

} // namespace kv::ui::win32
