// Every service of the simulated host, declared with the type the plug-in calls it with, so
// that a definition with other parameters does not compile. Export ZARMAK_ordinal_N is ordinal N.
#pragma once

#include "host/service_catalogue.h"

#ifdef _WIN32
#define PM_SIM_EXPORT  // exported by the module's generated .def
#else
#define PM_SIM_EXPORT __attribute__((visibility("default")))  // the module's version script selects
#endif

#define PM_DECLARE_SERVICE(ordinal, result, parameters) \
  extern "C" PM_SIM_EXPORT host::ServiceFunction<ordinal> ZARMAK_ordinal_##ordinal;
#define PM_DECLARE_NOTHING(...)
PM_HOST_SERVICES(PM_DECLARE_SERVICE, PM_DECLARE_SERVICE, PM_DECLARE_NOTHING, PM_DECLARE_NOTHING)
#undef PM_DECLARE_SERVICE
#undef PM_DECLARE_NOTHING
