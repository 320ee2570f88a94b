// Automation interface of the headless (non-Windows) build only: a host drives
// the dialog through these calls where a Windows host would send window
// messages. Controls are found by their component names ("EdStarnet",
// "CBScale8bit", "ButStart", "MemoLog", ...). Text is UTF-8.
#pragma once

#include <cstddef>

#include "entry/plugin.h"

extern "C" {
// The control of that name in the current dialog, or null.
KV_PLUGIN_API void* kv_auto_find(const char* name);
// Sets the text as a user typing it would (edit boxes). Returns 1, or 0 when not applicable.
KV_PLUGIN_API int kv_auto_set_text(void* control, const char* text);
// Checks or unchecks a check box or radio button. Returns 1, or 0 when not applicable.
KV_PLUGIN_API int kv_auto_set_checked(void* control, int checked);
// Clicks the control as the user would (nothing happens when it is disabled or hidden). Returns 1 when clicked.
KV_PLUGIN_API int kv_auto_click(void* control);
// 1 when the check box or radio button is checked, 0 when not, -1 when not applicable.
KV_PLUGIN_API int kv_auto_get_checked(void* control);
// Copies the control's text (a memo's lines joined with CR LF), NUL-terminated
// and cut to size, and returns the full length in bytes without the NUL.
KV_PLUGIN_API std::size_t kv_auto_get_text(void* control, char* buffer, std::size_t size);
// Runs posted work (a form's release) as the host's message loop would.
KV_PLUGIN_API void kv_auto_process_messages();
// 1 when the control is enabled, 0 when it is not (or is no control).
KV_PLUGIN_API int kv_auto_is_enabled(void* control);
// From now on observer(context, value) hears every new value of the dialog's
// gauge as it is set (also during a run); null stops it. Returns 1, or 0 without a dialog.
KV_PLUGIN_API int kv_auto_watch_progress(void (*observer)(void* context, int value), void* context);
}
