// Services whose signature is the host's own: the view callback and three bound-only services.
// The simulated host gives each two 32-bit words.
#include "hostsim/zarmak/recording.h"
#include "hostsim/zarmak/service_declarations.h"

extern "C" {
PM_SIM_EXPORT int32_t ZARMAK_ordinal_50514(uint32_t first, uint32_t second) {
  return hostsim::Recorded(50514, first, second);
}
PM_SIM_EXPORT int32_t ZARMAK_ordinal_41611(uint32_t first, uint32_t second) {
  return hostsim::Recorded(41611, first, second);
}
PM_SIM_EXPORT int32_t ZARMAK_ordinal_40008(uint32_t first, uint32_t second) {
  return hostsim::Recorded(40008, first, second);
}
PM_SIM_EXPORT int32_t ZARMAK_ordinal_41613(uint32_t first, uint32_t second) {
  return hostsim::Recorded(41613, first, second);
}
}
