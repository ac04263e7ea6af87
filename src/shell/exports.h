// The four entry points that the host calls, exported by ordinal only.
#pragma once

#include <cstdint>

#include "host/calling_conventions.h"
#include "shell/identity.h"

extern "C" {
int32_t PM_HOST_CALL PluginAttach(shell::FeatureQueryFn featureQuery, char* nameBuffer);  // 30001
int32_t PM_HOST_CALL PluginInit(int32_t flag);                                            // 30008
int32_t PM_HOST_CALL Export30009();
int32_t PM_HOST_CALL Export30010(uint32_t ignored);
}

// The value export 30010 always answers.
inline constexpr int32_t kExport30010Answer = -1234567890;
