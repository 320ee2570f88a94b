// Calls through the 32-bit stack as a host does, and measures it: the
// functions are written in assembly (StackProbe.cpp), so no compiler stands
// between the test and the stack pointer.
#pragma once

#include <cstdint>

#include "base/HostCallback.h"

namespace kv::test {

// One call of fn with count 32-bit arguments. The arguments are pushed right
// to left onto a stack whose pointer is misalign bytes below a 16-byte
// boundary, as a host that keeps only 4-byte alignment may leave it; the
// callee-saved registers (EBX, ESI, EDI, EBP) hold known values during the call.
struct ProbedCall {
    const void* fn;
    const uint32_t* args;
    uint32_t count;
    uint32_t misalign;
    // Filled by the probe:
    uint32_t result;        // EAX on return
    int32_t espDelta;       // ESP after the return minus ESP before the pushes
    uint32_t registersKept; // 1 when the callee-saved registers came back unchanged
};

// What the host callback saw at one entry: its four arguments as they stood
// on the stack, in stdcall order.
struct CallbackEntry {
    uint8_t command;
    uint32_t value, data, param;
};

} // namespace kv::test

extern "C" {
void kv_probe_call(kv::test::ProbedCall* call);
// A host callback (stdcall, 16 bytes of arguments) that hands its stack to
// kv_record_callback and removes its arguments on return.
intptr_t KV_STDCALL kv_callback_thunk(uint8_t command, intptr_t value, void* data, intptr_t param);
// Defined by the test: answers one callback given the stack at its entry
// (return address first, then the four arguments).
intptr_t kv_record_callback(const uint32_t* entryStack);
}
