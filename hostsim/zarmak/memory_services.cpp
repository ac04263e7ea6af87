// Host memory: blocks given, resized through a pointer, and released.
#include "hostsim/zarmak/recording.h"
#include "hostsim/zarmak/service_declarations.h"

using hostsim::Host;
using hostsim::Record;

extern "C" {

int32_t ZARMAK_ordinal_21281(void** block, int32_t size) {
  Record(21281, block, size);
  return Host().memory.Resize(block, size) ? 1 : 0;
}
void* ZARMAK_ordinal_21284(int32_t size) {
  Record(21284, size);
  return Host().memory.Allocate(size);
}
void ZARMAK_ordinal_21287(void* block) {
  Record(21287, block);
  Host().memory.Release(block);
}
void ZARMAK_ordinal_34704(int32_t code) { Record(34704, code); }

}  // extern "C"
