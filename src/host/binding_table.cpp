// Binding the host services by ordinal, and the record of those the host lacks.
#include "host/binding_table.h"

#include <cstdint>
#include <utility>

#include "host/connector.h"
#include "host/slot_thunks.h"

namespace {

template <size_t... Index>
constexpr HostBindingTable UnboundTable(std::index_sequence<Index...>) {
  return HostBindingTable{{&pm_binder_thunks[Index]...}};
}

bool IsOrdinalRequest(LPCSTR request) {
  const auto value = reinterpret_cast<uintptr_t>(request);
  return value == (value & 0xFFFF);
}

void ReportMissingService(LPCSTR request) {
  char text[1024];
  if (IsOrdinalRequest(request)) {
    const auto ordinal = static_cast<uint16_t>(reinterpret_cast<uintptr_t>(request));
    RecordMissingOrdinal(ordinal);
    wsprintfA(text, "Brak funkcji o numerze %d\n", static_cast<int>(ordinal));
  } else {
    wsprintfA(text, "Brak funkcji o nazwie %s\n", request);
  }
  if (IsDebuggerPresent()) OutputDebugStringA(text);
}

}  // namespace

constinit HostBindingTable hostBindings = UnboundTable(std::make_index_sequence<host::kServiceCount>{});
constinit MissingOrdinalList MissingOrdinals = {};

const void* BindHostService(LPCSTR request, HostSlot* slot) {
  // Read anew for every lookup: the connector owns the handle. Without one there is no host.
  const HMODULE hostModule = ConnectedHostModule();
  *slot = hostModule == nullptr ? nullptr : reinterpret_cast<const void*>(GetProcAddress(hostModule, request));
  if (*slot == nullptr) ReportMissingService(request);
  return *slot;
}

void RecordMissingOrdinal(uint16_t ordinal) {
  const int32_t index = MissingOrdinals.count++;
  if (index < 8) MissingOrdinals.ordinals[index] = ordinal;
}

int CompareOrdinalsDescending(const void* first, const void* second) {
  return static_cast<int>(*static_cast<const uint16_t*>(second)) -
         static_cast<int>(*static_cast<const uint16_t*>(first));
}

void BindAllHostServices() {
  for (size_t index = 0; index < host::kServiceCount; ++index) {
    BindHostService(MAKEINTRESOURCEA(host::kServices[index].ordinal), &hostBindings.slots[index]);
  }
}
