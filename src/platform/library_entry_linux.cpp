// The library's load-time entry on Linux, in the place of DllMain's process attach.
#include "platform/win32_api.h"
#include "shell/load_sequence.h"

namespace {

const char anchor = 0;  // any address inside this module names the module

__attribute__((constructor)) void OnLibraryLoad() { shell::RunLoadSequence(pmwin32_ModuleOfAddress(&anchor)); }

}  // namespace
