// The virtual tables of the plug-in's two classes derived from SDK classes: every inherited
// position holds the forwarding thunk of its host slot; the class fills in its own positions.
#pragma once

#include <array>
#include <cstddef>

#include "host/service_catalogue.h"
#include "host/slot_thunks.h"

namespace host {

template <size_t Size>
struct VirtualTable {
  const void* entries[Size];
};

// Positions each class implements itself (deleting destructor, overrides, new methods).
inline constexpr std::array<size_t, 6> kGxRpcCtxWtykaOwnPositions = {0, 32, 33, 34, 39, 41};
inline constexpr std::array<size_t, 1> kCRaportRozchodowOwnPositions = {0};

// The ordinal that each position of a derived class's table inherits; 0 where the class has its own.
template <size_t Size>
constexpr std::array<uint16_t, Size> InheritedOrdinals(HostClass owner) {
  std::array<uint16_t, Size> ordinals{};
  for (const ServiceEntry& service : kServices) {
    if (service.owner == owner) ordinals[service.virtualPosition] = service.ordinal;
  }
  return ordinals;
}

// Own and inherited positions together cover a table exactly once.
template <size_t Size, size_t OwnCount>
constexpr bool OwnPositionsAreTheGaps(const std::array<uint16_t, Size>& inherited,
                                      const std::array<size_t, OwnCount>& own) {
  size_t gaps = 0;
  for (uint16_t ordinal : inherited) gaps += ordinal == 0;
  for (size_t position : own) {
    if (position >= Size || inherited[position] != 0) return false;
  }
  return gaps == OwnCount;
}
static_assert(OwnPositionsAreTheGaps(InheritedOrdinals<kGxRpcCtxTableSize>(HostClass::GxRpcCtx),
                                     kGxRpcCtxWtykaOwnPositions));
static_assert(OwnPositionsAreTheGaps(InheritedOrdinals<kWDialogBaseTableSize>(HostClass::WDialogBase),
                                     kCRaportRozchodowOwnPositions));

template <size_t Size>
constexpr VirtualTable<Size> ForwardingTable(HostClass owner) {
  VirtualTable<Size> table{};
  const std::array<uint16_t, Size> inherited = InheritedOrdinals<Size>(owner);
  for (size_t position = 0; position < Size; ++position) {
    if (inherited[position] != 0) table.entries[position] = &pm_forward_thunks[SlotIndexOf(inherited[position])];
  }
  return table;
}

inline constexpr VirtualTable<kGxRpcCtxTableSize> kGxRpcCtxForwarding =
    ForwardingTable<kGxRpcCtxTableSize>(HostClass::GxRpcCtx);
inline constexpr VirtualTable<kWDialogBaseTableSize> kWDialogBaseForwarding =
    ForwardingTable<kWDialogBaseTableSize>(HostClass::WDialogBase);

}  // namespace host
