// Construction, destruction and the virtual table of CRaportRozchodow.
#include "report/report_object.h"

#include "host/host_call.h"

namespace {

host::VirtualTable<host::kWDialogBaseTableSize> MakeCRaportRozchodowTable() {
  host::VirtualTable<host::kWDialogBaseTableSize> table = host::kWDialogBaseForwarding;
  table.entries[0] = reinterpret_cast<const void*>(&DeleteCRaportRozchodow);
  return table;
}

}  // namespace

const host::VirtualTable<host::kWDialogBaseTableSize> kCRaportRozchodowTable = MakeCRaportRozchodowTable();

CRaportRozchodow::CRaportRozchodow() {
  host::Call<20902>(static_cast<WDialogBase*>(this));
  virtualTable = kCRaportRozchodowTable.entries;
  Records = nullptr;
  RecordCount = 0;
  RecordCapacity = 0;
}

CRaportRozchodow::~CRaportRozchodow() { host::Call<20903>(static_cast<WDialogBase*>(this)); }

CRaportRozchodow* PM_MEMBER_CALL DeleteCRaportRozchodow(CRaportRozchodow* self, uint32_t flags) {
  self->~CRaportRozchodow();
  if ((flags & 1) != 0) ::operator delete(self);
  return self;
}

void CRaportRozchodow::ReleaseRecords() {
  if (Records != nullptr) host::Call<21287>(static_cast<void*>(Records));
  Records = nullptr;
  RecordCount = 0;
  RecordCapacity = 0;
}
