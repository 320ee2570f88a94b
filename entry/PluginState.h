// The process-wide state behind the exports: the host's callback and the
// reference to the single dialog.
#pragma once

#include "entry/plugin.h"

namespace kv {

class TForm1;

// Kept for the library's whole life once pi_initialize has stored it.
extern HostCallbackFn HostCallback;
// The dialog pi_activate shows; null until the first pi_activate, after
// pi_initialize (which forgets an earlier dialog) and after pi_finalize
// (which has asked the dialog to release itself).
extern TForm1* Form1;

} // namespace kv
