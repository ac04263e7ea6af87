// The host SDK class WDialogBase as the plug-in sees it: a block whose first word is the
// virtual-table pointer and whose other bytes belong to the host.
#pragma once

#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)

// The plug-in never reads the host's part; it only reserves room for it. 64 bytes is the size
// this plug-in reserves for the base, and the host's constructor (20902) and destructor (20903)
// must stay within it.
struct WDialogBase {
  const void* const* virtualTable;
  uint8_t hostPart[60];
};

#pragma pack(pop)

inline constexpr uint32_t kWDialogBaseSize = 64;
static_assert(sizeof(WDialogBase) == kWDialogBaseSize);
static_assert(offsetof(WDialogBase, virtualTable) == 0);
