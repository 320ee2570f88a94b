// The module (DLL or EXE) this code is linked into, and the window classes
// of our own that it registers there.
#pragma once

#include "ui/Types.h"
#include "ui/win32/WindowsApi.h"

namespace kv::ui::win32 {

HINSTANCE ModuleInstance();

// Class names, registered on first use and unregistered when the module goes.
const wchar_t* FormClassName();
const wchar_t* CustomControlClassName();

// One brush per colour, kept for the module's life.
HBRUSH SolidBrush(TColor color);

// The thread-private message that destroys a form whose release was asked for.
constexpr UINT kReleaseMessage = WM_APP + 0x100;

LRESULT CALLBACK FormWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK CustomControlWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace kv::ui::win32
