// The headless stand-in for the thread's message queue: work posted now runs
// at the next ProcessMessages, in the order posted.
#pragma once

#include <functional>

namespace kv::ui::headless {

// Makes the queue; called while the application object is made, so that the
// queue outlives it (forms destroyed with it cancel their work here).
void Startup();
// key names the object the work belongs to, so that it can be cancelled.
void Post(const void* key, std::function<void()> work);
void CancelPosted(const void* key);
// Runs what was posted before the call; work posted meanwhile waits for the next one.
void RunPosted();

} // namespace kv::ui::headless
