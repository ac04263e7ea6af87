// The base part of a WDialogBase object as the simulated host keeps it.
#include "hostsim/dialog_objects.h"

#include <algorithm>
#include <cstring>

#include "host/sdk_classes.h"

namespace hostsim {
namespace {
const void* const kHostTable[35] = {};
}

const void* const* DialogObjects::HostTable() { return kHostTable; }

void DialogObjects::Construct(void* object) {
  auto* const base = static_cast<WDialogBase*>(object);
  base->virtualTable = kHostTable;
  std::memset(base->hostPart, kPattern, sizeof base->hostPart);
  ++constructed_;
}

void DialogObjects::Destroy(void* object) {
  auto* const base = static_cast<WDialogBase*>(object);
  const uint8_t* const part = base->hostPart;
  const bool intact = std::all_of(part, part + sizeof base->hostPart, [](uint8_t byte) { return byte == kPattern; });
  damaged_ += !intact;
  base->virtualTable = kHostTable;
  ++destroyed_;
}

}  // namespace hostsim
