// What the host service list implies, computed at compile time: slot indices, signatures and
// the virtual-table positions of the inherited SDK methods.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>

#include "host/host_services.h"

namespace host {

enum class ServiceKind : uint8_t { Free, Method, Virtual, Opaque };
enum class HostClass : uint8_t { None, GxRpcCtx, WDialogBase };

struct ServiceEntry {
  uint16_t ordinal;
  ServiceKind kind;
  HostClass owner;          // the SDK class of a virtual method
  uint8_t virtualPosition;  // its entry in the derived class's virtual table
};

#define PM_CATALOGUE_FREE(ordinal, result, parameters) ServiceEntry{ordinal, ServiceKind::Free, HostClass::None, 0},
#define PM_CATALOGUE_METHOD(ordinal, result, parameters) ServiceEntry{ordinal, ServiceKind::Method, HostClass::None, 0},
#define PM_CATALOGUE_VIRTUAL(ordinal, owner, position) \
  ServiceEntry{ordinal, ServiceKind::Virtual, HostClass::owner, position},
#define PM_CATALOGUE_OPAQUE(ordinal) ServiceEntry{ordinal, ServiceKind::Opaque, HostClass::None, 0},
inline constexpr ServiceEntry kServices[] = {
    PM_HOST_SERVICES(PM_CATALOGUE_FREE, PM_CATALOGUE_METHOD, PM_CATALOGUE_VIRTUAL, PM_CATALOGUE_OPAQUE)};
#undef PM_CATALOGUE_FREE
#undef PM_CATALOGUE_METHOD
#undef PM_CATALOGUE_VIRTUAL
#undef PM_CATALOGUE_OPAQUE

// Spelled out once more for the assembler, which cannot read kServiceCount.
#define PM_HOST_SERVICE_COUNT 126
inline constexpr size_t kServiceCount = std::size(kServices);
static_assert(kServiceCount == PM_HOST_SERVICE_COUNT);

// Virtual-table sizes of the plug-in's two classes derived from SDK classes.
inline constexpr size_t kGxRpcCtxTableSize = 42;
inline constexpr size_t kWDialogBaseTableSize = 35;

constexpr int SlotIndexOf(uint16_t ordinal) {
  for (size_t index = 0; index < kServiceCount; ++index) {
    if (kServices[index].ordinal == ordinal) return static_cast<int>(index);
  }
  return -1;
}

constexpr size_t CountOf(ServiceKind kind, HostClass owner = HostClass::None) {
  size_t count = 0;
  for (const ServiceEntry& service : kServices) count += service.kind == kind && service.owner == owner;
  return count;
}

constexpr bool OrdinalsAreUnique() {
  for (size_t index = 0; index < kServiceCount; ++index) {
    if (SlotIndexOf(kServices[index].ordinal) != static_cast<int>(index)) return false;
  }
  return true;
}

// Each inherited position is filled once and lies inside the table.
constexpr bool PositionsAreDistinct(HostClass owner, size_t tableSize) {
  for (const ServiceEntry& a : kServices) {
    if (a.owner != owner) continue;
    if (a.virtualPosition == 0 || a.virtualPosition >= tableSize) return false;
    for (const ServiceEntry& b : kServices) {
      if (&a != &b && b.owner == owner && b.virtualPosition == a.virtualPosition) return false;
    }
  }
  return true;
}

static_assert(OrdinalsAreUnique());
static_assert(CountOf(ServiceKind::Virtual, HostClass::GxRpcCtx) == 36);
static_assert(CountOf(ServiceKind::Virtual, HostClass::WDialogBase) == 34);
static_assert(CountOf(ServiceKind::Free) + CountOf(ServiceKind::Method) + CountOf(ServiceKind::Opaque) == 56);
static_assert(PositionsAreDistinct(HostClass::GxRpcCtx, kGxRpcCtxTableSize));
static_assert(PositionsAreDistinct(HostClass::WDialogBase, kWDialogBaseTableSize));

// The typed form of each service that the plug-in calls: ServiceFunction<52161> is its
// function type, ServicePointer<52161> the type of its slot.
template <uint16_t Ordinal>
struct ServiceSignature;

#define PM_SIGNATURE_FREE(ordinal, result, parameters) \
  template <>                                          \
  struct ServiceSignature<ordinal> {                   \
    using Result = result;                             \
    using Function = result PM_HOST_CALL parameters;   \
  };
#define PM_SIGNATURE_METHOD(ordinal, result, parameters) \
  template <>                                            \
  struct ServiceSignature<ordinal> {                     \
    using Result = result;                               \
    using Function = result PM_MEMBER_CALL parameters;   \
  };
#define PM_SIGNATURE_NONE(...)
PM_HOST_SERVICES(PM_SIGNATURE_FREE, PM_SIGNATURE_METHOD, PM_SIGNATURE_NONE, PM_SIGNATURE_NONE)
#undef PM_SIGNATURE_FREE
#undef PM_SIGNATURE_METHOD
#undef PM_SIGNATURE_NONE

template <uint16_t Ordinal>
using ServiceFunction = typename ServiceSignature<Ordinal>::Function;
template <uint16_t Ordinal>
using ServicePointer = ServiceFunction<Ordinal>*;
template <uint16_t Ordinal>
using ServiceResult = typename ServiceSignature<Ordinal>::Result;

}  // namespace host
