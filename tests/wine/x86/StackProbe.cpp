// The probe and the callback thunk of StackProbe.h, in 32-bit x86 assembly.
#include "StackProbe.h"

#include <cstddef>

static_assert(sizeof(void*) == 4, "the stack probe is for 32-bit x86 only");
static_assert(offsetof(kv::test::ProbedCall, misalign) == 12 && offsetof(kv::test::ProbedCall, result) == 16 &&
              offsetof(kv::test::ProbedCall, espDelta) == 20 && offsetof(kv::test::ProbedCall, registersKept) == 24);

// kv_probe_call keeps its own stack pointer in memory, so that a callee that
// leaves the stack unbalanced is measured, not crashed into. EBP points at a
// zeroed frame record while the callee runs, so that a walk of the frame
// chain ends there.
asm(R"(
    .data
    .balign 4
probe_current:  .long 0
probe_saved:    .long 0
probe_expected: .long 0
probe_frame:    .long 0, 0

    .text
    .globl _kv_probe_call
_kv_probe_call:
    pushl %ebp
    pushl %ebx
    pushl %esi
    pushl %edi
    movl 20(%esp), %eax
    movl %eax, probe_current
    movl %esp, probe_saved
    andl $-16, %esp
    subl 12(%eax), %esp
    movl 8(%eax), %ecx
    movl 4(%eax), %esi
1:  testl %ecx, %ecx
    jz 2f
    decl %ecx
    pushl (%esi,%ecx,4)
    jmp 1b
2:  movl 8(%eax), %ecx
    leal (%esp,%ecx,4), %ecx
    movl %ecx, probe_expected
    movl (%eax), %eax
    movl $0x1B1B1B1B, %ebx
    movl $0x5E5E5E5E, %esi
    movl $0xD1D1D1D1, %edi
    movl $probe_frame, %ebp
    call *%eax
    movl probe_current, %ecx
    movl %eax, 16(%ecx)
    movl %esp, %eax
    subl probe_expected, %eax
    movl %eax, 20(%ecx)
    xorl %eax, %eax
    cmpl $0x1B1B1B1B, %ebx
    jne 3f
    cmpl $0x5E5E5E5E, %esi
    jne 3f
    cmpl $0xD1D1D1D1, %edi
    jne 3f
    cmpl $probe_frame, %ebp
    jne 3f
    movl $1, %eax
3:  movl %eax, 24(%ecx)
    movl probe_saved, %esp
    popl %edi
    popl %esi
    popl %ebx
    popl %ebp
    ret

    .globl _kv_callback_thunk@16
_kv_callback_thunk@16:
    movl %esp, %eax
    pushl %eax
    call _kv_record_callback
    addl $4, %esp
    ret $16
)");
