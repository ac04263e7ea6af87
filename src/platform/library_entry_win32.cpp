// The library's system entry point on Windows.
#include "platform/win32_api.h"
#include "shell/load_sequence.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) shell::RunLoadSequence(instance);
  return TRUE;  // the library never refuses to load
}
