// The exported entry points. Windows exports them by the ordinals of PrzeplywMagazynu.def; the
// Linux build gives each the stand-in's ordinal symbol as an alias.
#include "shell/exports.h"

#ifdef _WIN32
#define PM_ORDINAL_EXPORT(ordinal, function)
#else
#define PM_ORDINAL_EXPORT(ordinal, function) \
  extern "C"                                 \
      __attribute__((alias(#function), visibility("default"))) decltype(function) PrzeplywMagazynu_ordinal_##ordinal;
#endif

extern "C" {

// Attach and initialisation come with the compatibility checks and the hooks; until then the
// plug-in refuses both.
int32_t PM_HOST_CALL PluginAttach(shell::FeatureQueryFn, char*) { return -1; }

int32_t PM_HOST_CALL PluginInit(int32_t) { return -1; }

// Does no work; the host must not rely on its value.
int32_t PM_HOST_CALL Export30009() { return 0; }

int32_t PM_HOST_CALL Export30010(uint32_t) { return kExport30010Answer; }

}  // extern "C"

PM_ORDINAL_EXPORT(30001, PluginAttach)
PM_ORDINAL_EXPORT(30008, PluginInit)
PM_ORDINAL_EXPORT(30009, Export30009)
PM_ORDINAL_EXPORT(30010, Export30010)
