// The Win32 functions that the plug-in and the simulated host use: <windows.h> on Windows,
// our own stand-in (libpmwin32, over dlopen/dlsym/dladdr) on Linux.
#pragma once

#ifdef _WIN32
#include <windows.h>
#else
#include <cstdint>

using BOOL = int;
using DWORD = uint32_t;
using LPCSTR = const char*;
using LPSTR = char*;
using HMODULE = struct HINSTANCE__*;
using HINSTANCE = HMODULE;
using FARPROC = intptr_t (*)();

// An ordinal travels in the name argument as a value whose upper 16 bits are zero.
#define MAKEINTRESOURCEA(i) (reinterpret_cast<LPCSTR>(static_cast<uintptr_t>(static_cast<uint16_t>(i))))
#define WINAPI

#define PM_WIN32_STANDIN __attribute__((visibility("default")))

extern "C" {
// Rule of the stand-in: a module named M (file M.so) exports its ordinal N as the dynamic symbol
// M_ordinal_N, which keeps the ordinals of different modules apart as Windows does; and
// GetProcAddress finds only what the module itself defines, not what its dependencies define.
PM_WIN32_STANDIN FARPROC GetProcAddress(HMODULE module, LPCSTR nameOrOrdinal);
// A name without an extension gets ".so" (Windows appends ".dll"); only loaded modules are found.
PM_WIN32_STANDIN HMODULE GetModuleHandleA(LPCSTR name);
// Null names the executable. A path that does not fit is cut to size - 1 characters and a NUL.
PM_WIN32_STANDIN DWORD GetModuleFileNameA(HMODULE module, LPSTR buffer, DWORD size);
PM_WIN32_STANDIN BOOL IsDebuggerPresent();
PM_WIN32_STANDIN void OutputDebugStringA(LPCSTR text);
// Like user32's: at most 1024 bytes are written, the NUL included.
PM_WIN32_STANDIN int wsprintfA(LPSTR buffer, LPCSTR format, ...);
PM_WIN32_STANDIN HMODULE LoadLibraryA(LPCSTR path);
PM_WIN32_STANDIN BOOL FreeLibrary(HMODULE module);
// Not Win32: the module that contains an address (Windows gets it from DllMain's argument).
PM_WIN32_STANDIN HMODULE pmwin32_ModuleOfAddress(const void* address);
}
#endif

// An export's address as the function type it really has (void (*)() converts to any type
// without a function-type-cast warning).
template <class Function>
Function ExportAs(FARPROC address) {
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(address));
}
