// The two families of thunks that stand in front of host slots, one of each per slot index,
// 16 bytes apart. Both leave the caller's arguments, registers and return address untouched.
#pragma once

#include "host/service_catalogue.h"

#ifdef _WIN32
#define PM_THUNK_VISIBILITY
#else
#define PM_THUNK_VISIBILITY __attribute__((visibility("hidden")))
#endif

extern "C" {
// The initial content of slot i: binds slot i, then continues into what it now holds.
PM_THUNK_VISIBILITY extern const unsigned char pm_binder_thunks[host::kServiceCount][16];
// An inherited virtual entry or host callback for slot i: continues into what slot i holds.
PM_THUNK_VISIBILITY extern const unsigned char pm_forward_thunks[host::kServiceCount][16];
}
