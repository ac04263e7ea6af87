// Text registration: the host numbers a text that a plug-in supplies.
#include "hostsim/host_state.h"
#include "hostsim/zarmak/recording.h"
#include "hostsim/zarmak/service_declarations.h"

extern "C" {

int32_t ZARMAK_ordinal_33904(const char* text) {
  hostsim::Record(33904, text);
  return hostsim::Host().texts.Register(text);
}

}  // extern "C"
