// The host calling a virtual method of an object it was handed, as the host's own code does:
// through the object's virtual table, with the platform's member-function convention.
#pragma once

#include <cstddef>
#include <cstdint>

#include "host/calling_conventions.h"

namespace hostsim {

// The simulated host's form of every inherited SDK method: `this` and two 32-bit words.
using SdkMethod = int32_t(PM_MEMBER_CALL*)(void* self, int32_t first, int32_t second);

inline int32_t CallVirtual(void* object, size_t position, int32_t first, int32_t second) {
  const void* const* table = *static_cast<const void* const* const*>(object);
  return reinterpret_cast<SdkMethod>(table[position])(object, first, second);
}

}  // namespace hostsim
