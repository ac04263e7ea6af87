// The binder and forwarding thunks: the only assembly of the plug-in.
//
// Thunk i pushes its slot index and jumps to a common part, which saves EAX, ECX and EDX (ECX
// holds `this` under thiscall), asks a C++ helper where to continue, puts that address in
// place of the index and returns into it. The caller's arguments and return address stay
// exactly where they were, so the thunks serve free functions, methods and virtual methods
// alike, and the sequence is position independent (no text relocations in a shared object).
#include "host/slot_thunks.h"

#include <cstdint>

#include "host/binding_table.h"

#define PM_STRINGIFY_(x) #x
#define PM_STRINGIFY(x) PM_STRINGIFY_(x)
#define PM_SYMBOL(name) PM_STRINGIFY(__USER_LABEL_PREFIX__) #name

#ifdef _WIN32
#define PM_GLOBAL(name) ".globl " PM_SYMBOL(name) "\n"
#else
#define PM_GLOBAL(name) ".globl " PM_SYMBOL(name) "\n.hidden " PM_SYMBOL(name) "\n"
#endif

// Realign: a thunk may be entered with any stack alignment the host's compiler left.
#define PM_THUNK_HELPER extern "C" PM_THUNK_VISIBILITY __attribute__((force_align_arg_pointer, used))

extern "C" PM_THUNK_VISIBILITY void pm_return_zero();

namespace {

// What a call through slot `index` reaches. An empty slot is never called: the call returns
// zero instead. (Without knowing a method's stack arguments this is exact only for cdecl and
// for methods without stack arguments; the plug-in refuses to run on a host that lacks a
// service, so a forwarding entry never meets an empty slot in practice.)
const void* TargetOfSlot(uint32_t index) {
  const void* target = hostBindings.slots[index];
  return target != nullptr ? target : reinterpret_cast<const void*>(&pm_return_zero);
}

}  // namespace

PM_THUNK_HELPER const void* pm_bind_slot_for_call(uint32_t index) {
  BindHostService(MAKEINTRESOURCEA(host::kServices[index].ordinal), &hostBindings.slots[index]);
  return TargetOfSlot(index);
}

PM_THUNK_HELPER const void* pm_target_of_slot(uint32_t index) { return TargetOfSlot(index); }

// clang-format off
#define PM_THUNK_FAMILY(family, helper)                 \
  PM_GLOBAL(family)                                     \
  ".balign 16\n" PM_SYMBOL(family) ":\n"                \
  ".set pm_index, 0\n"                                  \
  ".rept " PM_STRINGIFY(PM_HOST_SERVICE_COUNT) "\n"     \
  "  pushl $pm_index\n"                                 \
  "  jmp " #family "_common\n"                          \
  "  .balign 16, 0xCC\n"                                \
  "  .set pm_index, pm_index + 1\n"                     \
  ".endr\n"                                             \
  #family "_common:\n"                                  \
  "  pushl %eax\n"                                      \
  "  pushl %ecx\n"                                      \
  "  pushl %edx\n"                                      \
  "  pushl 12(%esp)\n"                                  \
  "  call " PM_SYMBOL(helper) "\n"                      \
  "  addl $4, %esp\n"                                   \
  "  movl %eax, 12(%esp)\n"                             \
  "  popl %edx\n"                                       \
  "  popl %ecx\n"                                       \
  "  popl %eax\n"                                       \
  "  ret\n"

asm(".text\n"
    PM_THUNK_FAMILY(pm_binder_thunks, pm_bind_slot_for_call)
    PM_THUNK_FAMILY(pm_forward_thunks, pm_target_of_slot)
    PM_GLOBAL(pm_return_zero)
    PM_SYMBOL(pm_return_zero) ":\n"
    "  xorl %eax, %eax\n"
    "  xorl %edx, %edx\n"
    "  ret\n");
// clang-format on
