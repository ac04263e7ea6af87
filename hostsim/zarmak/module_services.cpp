// Compatibility, hooks and the context chain: the services around the plug-in's attach and init.
#include "hostsim/zarmak/recording.h"
#include "hostsim/zarmak/service_declarations.h"

using hostsim::Host;
using hostsim::Record;
using hostsim::Recorded;

extern "C" {

// The feature query: not a host service of the binding table, the main module's export 30006.
PM_SIM_EXPORT int32_t ZARMAK_ordinal_30006(int32_t code, int32_t mask) {
  Record(30006, code, mask);
  return Host().featureAnswer;
}

int32_t ZARMAK_ordinal_30018(HMODULE module, char* buffer, int32_t size) {
  return Recorded(30018, module, buffer, size);
}
int32_t ZARMAK_ordinal_51594() { return Recorded(51594); }
TableDescriptor* ZARMAK_ordinal_52256(int32_t table) {
  Record(52256, table);
  return table == hostsim::StockTable::kTable ? &Host().stock.descriptor : nullptr;
}

int32_t ZARMAK_ordinal_34504(const void* formBlock) {
  Host().handedFormBlock = static_cast<const uint8_t*>(formBlock);
  return Recorded(34504, formBlock);
}
int32_t ZARMAK_ordinal_34199(TableDescriptor* descriptor, int32_t zero) {
  Host().reportList.Adopt(descriptor);
  return Recorded(34199, descriptor, zero);
}
GlobalProc* ZARMAK_ordinal_34200() {
  Record(34200);
  return &Host().globalProcedure;
}
int32_t ZARMAK_ordinal_52311(int32_t table, void* target, const char* text1, const char* text2, int32_t value) {
  return Recorded(52311, table, target, text1, text2, value);
}

GxRpcCtx** ZARMAK_ordinal_21298() {
  Record(21298);
  return &Host().contextChainHead;
}
void PM_MEMBER_CALL ZARMAK_ordinal_21202(GxRpcCtx* self) { Record(21202, self); }
void PM_MEMBER_CALL ZARMAK_ordinal_21203(GxRpcCtx* self) { Record(21203, self); }
int32_t PM_MEMBER_CALL ZARMAK_ordinal_21213(GxRpcCtx* self, TableDescriptor* table, uint16_t needBits) {
  return Recorded(21213, self, table, needBits);
}
int32_t PM_MEMBER_CALL ZARMAK_ordinal_21214(GxRpcCtx* self, TableDescriptor* table, uint16_t needBits) {
  return Recorded(21214, self, table, needBits);
}
int32_t PM_MEMBER_CALL ZARMAK_ordinal_21215(GxRpcCtx* self) { return Recorded(21215, self); }
int32_t PM_MEMBER_CALL ZARMAK_ordinal_21243(GxRpcCtx* self, TableDescriptor* table, uint16_t needBits) {
  return Recorded(21243, self, table, needBits);
}

}  // extern "C"
