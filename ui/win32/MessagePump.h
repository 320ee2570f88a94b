// The one message pump of the Windows backend: the application object, the
// reference host and the tests all dispatch through it.
#pragma once

namespace kv::ui::win32 {

// Removes and dispatches every message waiting in the calling thread's
// queue, then returns without waiting for more. A quit message is put back
// and ends the pass, so that the host's own loop still sees it; then it
// returns true.
bool DispatchPendingMessages();

} // namespace kv::ui::win32
