// SPINACZ, the connector: publishes the handle of the host module to bind against as its data
// export 30008. The simulated host's session sets it before it loads the plug-in.
#include "platform/win32_api.h"

#ifdef _WIN32
#define PM_CONNECTOR_EXPORT  // exported by SPINACZ.def
#else
#define PM_CONNECTOR_EXPORT __attribute__((visibility("default")))
#endif

extern "C" {
PM_CONNECTOR_EXPORT HMODULE SPINACZ_ordinal_30008 = nullptr;
}
