// What the library runs while the system attaches it, before any entry point can be called.
#pragma once

#include "platform/win32_api.h"

namespace shell {

void RunLoadSequence(HMODULE module);

}  // namespace shell
