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

template <size_t Size>
constexpr VirtualTable<Size> ForwardingTable(HostClass owner) {
  VirtualTable<Size> table{};
  for (size_t index = 0; index < kServiceCount; ++index) {
    if (kServices[index].owner == owner) table.entries[kServices[index].virtualPosition] = &pm_forward_thunks[index];
  }
  return table;
}

inline constexpr VirtualTable<kGxRpcCtxTableSize> kGxRpcCtxForwarding =
    ForwardingTable<kGxRpcCtxTableSize>(HostClass::GxRpcCtx);
inline constexpr VirtualTable<kWDialogBaseTableSize> kWDialogBaseForwarding =
    ForwardingTable<kWDialogBaseTableSize>(HostClass::WDialogBase);

// Own and inherited positions together cover each table exactly once.
template <size_t Size, size_t OwnCount>
constexpr bool OwnPositionsAreTheGaps(const VirtualTable<Size>& table, const std::array<size_t, OwnCount>& own) {
  size_t gaps = 0;
  for (const void* entry : table.entries) gaps += entry == nullptr;
  for (size_t position : own) {
    if (position >= Size || table.entries[position] != nullptr) return false;
  }
  return gaps == OwnCount;
}
static_assert(OwnPositionsAreTheGaps(kGxRpcCtxForwarding, kGxRpcCtxWtykaOwnPositions));
static_assert(OwnPositionsAreTheGaps(kWDialogBaseForwarding, kCRaportRozchodowOwnPositions));

}  // namespace host
