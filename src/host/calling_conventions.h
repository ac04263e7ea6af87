// The calling conventions at the border with the host, named once.
#pragma once

static_assert(sizeof(void*) == 4, "host records hold 32-bit addresses: build for 32-bit x86");

#ifdef _WIN32
// Host services, exports, table procedures and the global procedure.
#define PM_HOST_CALL __cdecl
// Methods of the SDK classes GxRpcCtx and WDialogBase: `this` in ECX, the callee pops the
// stack arguments. Forwarding thunks must therefore leave ECX and the stack untouched.
#define PM_MEMBER_CALL __thiscall
#else
// On Linux i386 every one of them is cdecl; a method takes `this` as its first stack argument.
#define PM_HOST_CALL
#define PM_MEMBER_CALL
#endif
