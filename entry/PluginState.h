// The process-wide state behind the exports: the reference to the single
// dialog (the stored host callback is base/HostCallback.h).
#pragma once

#include "base/HostCallback.h"

namespace kv {

class TForm1;

// The dialog pi_activate shows; null until the first pi_activate, after
// pi_initialize (which forgets an earlier dialog) and after pi_finalize
// (which has asked the dialog to release itself).
extern TForm1* Form1;

} // namespace kv
