// The inherited methods of GxRpcCtx and WDialogBase. The simulated host gives each the form
// `this` and two 32-bit words (hostsim::SdkMethod), notes the call and answers its ordinal, so
// that a test sees which method a forwarding entry reached and with what.
#include "hostsim/zarmak/recording.h"
#include "hostsim/zarmak/service_declarations.h"

#define PM_DEFINE_VIRTUAL(ordinal, owner, position)                                                   \
  extern "C" PM_SIM_EXPORT int32_t PM_MEMBER_CALL ZARMAK_ordinal_##ordinal(void* self, int32_t first, \
                                                                           int32_t second) {          \
    hostsim::Record(ordinal, self, first, second);                                                    \
    return ordinal;                                                                                   \
  }
#define PM_SKIP(...)
PM_HOST_SERVICES(PM_SKIP, PM_SKIP, PM_DEFINE_VIRTUAL, PM_SKIP)
