// The system's millisecond tick count and a plain pause.
#pragma once

#include <cstdint>

namespace kv::os {

// Milliseconds since some fixed point (Windows: since start-up, wrapping after 49.7 days).
uint32_t TickCount();
void SleepMilliseconds(uint32_t milliseconds);

} // namespace kv::os
