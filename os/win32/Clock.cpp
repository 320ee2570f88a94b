#include "os/Clock.h"

#include <windows.h>

namespace kv::os {

uint32_t TickCount() { return ::GetTickCount(); }
void SleepMilliseconds(uint32_t milliseconds) { ::Sleep(milliseconds); }

} // namespace kv::os
