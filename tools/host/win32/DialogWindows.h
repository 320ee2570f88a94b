// Finds the plug-in's dialog among this thread's windows by its caption, and
// its controls by class, style and text, as a user would see them.
#pragma once

#include <windows.h>

#include <string>

namespace kv::host {

constexpr wchar_t kDialogCaption[] = L"Kelvoran v2.0";

// The dialog window of this thread (a visible one when there are several), or null.
HWND FindDialogWindow();
// The EDIT child with or without ES_MULTILINE, or null.
HWND FindEdit(HWND dialog, bool multiline);
// The BUTTON child with exactly this text, or null.
HWND FindButton(HWND dialog, const std::wstring& text);
std::wstring WindowText(HWND window);

} // namespace kv::host
