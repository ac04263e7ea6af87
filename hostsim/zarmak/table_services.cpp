// Tables, records, list objects and the report list.
#include <cstring>

#include "hostsim/zarmak/recording.h"
#include "hostsim/zarmak/service_declarations.h"

using hostsim::Host;
using hostsim::Record;
using hostsim::Recorded;

namespace {
bool IsReportTable(const TableDescriptor* descriptor) { return descriptor == &Host().reportList.Table(); }
}  // namespace

extern "C" {

int32_t ZARMAK_ordinal_37996() { return Recorded(37996); }
int32_t ZARMAK_ordinal_33197(int32_t value) { return Recorded(33197, value); }
// Table 4111's descriptor and its text; the simulated host knows no other table by this way.
int32_t ZARMAK_ordinal_51425(int32_t table, TableDescriptor** descriptor, char* buffer, int32_t zero) {
  Record(51425, table, descriptor, buffer, zero);
  if (table != hostsim::ReportList::kTable) return 0;
  *descriptor = &Host().reportList.Table();
  std::memcpy(buffer, hostsim::kReportTableText, sizeof hostsim::kReportTableText);
  return 1;
}
// The report list appears: the host keeps what a person sees of it.
int32_t ZARMAK_ordinal_52092(int32_t table, char* buffer, TableDescriptor* descriptor) {
  Record(52092, table, buffer, descriptor);
  if (descriptor == nullptr) return 0;
  Host().ShowList(*descriptor);
  return 1;
}
int32_t ZARMAK_ordinal_52518(int16_t* hostFlag, uint32_t cardRef1, uint32_t cardRef2) {
  return Recorded(52518, hostFlag, cardRef1, cardRef2);
}
int32_t ZARMAK_ordinal_52286(int32_t arg1, int32_t recordNo, TableDescriptor* descriptor, int32_t arg4,
                             uint32_t selector) {
  Record(52286, arg1, recordNo, descriptor, arg4, selector);
  return Host().stock.Load(recordNo, descriptor);
}

HostList* ZARMAK_ordinal_22562(void* view, const void* callback, int32_t arg3, int32_t arg4, int32_t arg5) {
  Record(22562, view, callback, arg3, arg4, arg5);
  return Host().reportList.MakeObject(view, callback);
}
void ZARMAK_ordinal_22563(HostList* list) {
  Record(22563, list);
  Host().reportList.DestroyObject(list);
}
int32_t ZARMAK_ordinal_22566(HostList* list) {
  Record(22566, list);
  return list != nullptr && Host().reportList.usable ? 1 : 0;
}
// The report list takes the temporary object's view and answers itself.
HostList* ZARMAK_ordinal_22564(HostList* list, HostList* temporary) {
  Record(22564, list, temporary);
  return list;
}
int32_t ZARMAK_ordinal_22567(HostList* list) {
  Record(22567, list);
  return list != nullptr ? list->handle : 0;
}
int32_t ZARMAK_ordinal_22570(HostList* list) { return Recorded(22570, list); }

void* ZARMAK_ordinal_50516(int32_t table, char* buffer, TableDescriptor* descriptor, int32_t* cursor) {
  Record(50516, table, buffer, descriptor, cursor);
  return &Host().reportList;
}
// Preparing table 4111 for filling empties its list.
int32_t ZARMAK_ordinal_52465(TableDescriptor* descriptor, int32_t value) {
  Record(52465, descriptor, value);
  if (IsReportTable(descriptor)) Host().reportList.Clear();
  return 1;
}
int32_t ZARMAK_ordinal_52290(int32_t listHandle, int32_t zero, TableDescriptor* descriptor) {
  return Recorded(52290, listHandle, zero, descriptor);
}
int32_t ZARMAK_ordinal_52296(TableDescriptor* descriptor) { return Recorded(52296, descriptor); }
int32_t ZARMAK_ordinal_52288(int32_t* cursor, TableDescriptor* descriptor, int32_t listHandle) {
  Record(52288, cursor, descriptor, listHandle);
  if (!IsReportTable(descriptor)) return 0;
  Host().reportList.AppendFromBuffer(cursor);
  return 1;
}
int32_t ZARMAK_ordinal_52204(TableDescriptor* descriptor, int32_t arg2, int32_t arg3, int32_t arg4) {
  return Recorded(52204, descriptor, arg2, arg3, arg4);
}
int32_t ZARMAK_ordinal_52299(int32_t listHandle, int32_t arg2, TableDescriptor* descriptor, int32_t* cursor,
                             int32_t arg5, int32_t arg6) {
  return Recorded(52299, listHandle, arg2, descriptor, cursor, arg5, arg6);
}

}  // extern "C"
