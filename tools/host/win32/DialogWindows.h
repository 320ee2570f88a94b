// Finds the plug-in's dialog among this thread's windows by its caption, and
// its controls by their window identifiers.
#pragma once

#include <windows.h>

#include <string>

#include "dialog/DialogIdentity.h"

namespace kv::host {

inline const wchar_t* const kDialogCaption = reinterpret_cast<const wchar_t*>(dialog_identity::kCaption);

// The dialog window of this thread (a visible one when there are several), or null.
HWND FindDialogWindow();
// The dialog's control with that identity, or null (also for a null dialog).
HWND FindControl(HWND dialog, const dialog_identity::ControlIdentity& control);
std::wstring WindowText(HWND window);

} // namespace kv::host
