// The host binding table: one slot per host service, bound by ordinal while the library loads.
#pragma once

#include <cstdint>

#include "host/service_catalogue.h"
#include "platform/win32_api.h"

// The address of a host function; null when the host does not export its ordinal.
using HostSlot = const void*;

struct HostBindingTable {
  HostSlot slots[host::kServiceCount];  // in the order of the host service list
};

struct MissingOrdinalList {
  int32_t count;         // every lookup by ordinal that found nothing, without limit
  uint16_t ordinals[8];  // the first eight misses in the order they happened
};

extern HostBindingTable hostBindings;
extern MissingOrdinalList MissingOrdinals;

// Looks up an ordinal (a value whose upper 16 bits are zero) or a name in the host module that
// the connector publishes, stores the result in the slot, and returns it.
const void* BindHostService(LPCSTR request, HostSlot* slot);
void RecordMissingOrdinal(uint16_t ordinal);
// Two 16-bit entries: the second minus the first, so that sorting puts the larger first.
int CompareOrdinalsDescending(const void* first, const void* second);
// Binds every slot in table order; a missing service never stops the load.
void BindAllHostServices();
