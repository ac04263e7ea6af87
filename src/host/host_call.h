// Calling a host service through its slot, by its number, with its real argument types:
// host::Call<52161>(destination, source, 16).
#pragma once

#include <type_traits>

#include "host/binding_table.h"
#include "host/service_catalogue.h"

namespace host {

// A call through an empty slot does nothing and yields zero (or null).
template <uint16_t Ordinal, class... Arguments>
ServiceResult<Ordinal> Call(Arguments... arguments) {
  constexpr int index = SlotIndexOf(Ordinal);
  static_assert(index >= 0, "not a host service");
  const auto function = reinterpret_cast<ServicePointer<Ordinal>>(hostBindings.slots[index]);
  if (function == nullptr) return ServiceResult<Ordinal>();
  return function(arguments...);
}

}  // namespace host
