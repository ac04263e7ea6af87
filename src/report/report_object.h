// CRaportRozchodow: the report object, a WDialogBase that keeps the line store of one report run.
#pragma once

#include <cstdint>

#include "host/calling_conventions.h"
#include "host/sdk_classes.h"
#include "host/table_records.h"
#include "host/virtual_tables.h"
#include "report/report_record.h"
#include "report/source_record.h"

class CRaportRozchodow : public WDialogBase {
 public:
  // The host builds the base part (20902); then the object takes its own virtual table.
  CRaportRozchodow();
  // The host destroys the base part (20903). The line store is not released here: the report
  // run empties it before the object dies.
  ~CRaportRozchodow();
  CRaportRozchodow(const CRaportRozchodow&) = delete;
  CRaportRozchodow& operator=(const CRaportRozchodow&) = delete;

  // Appends a detail row made from a source record, growing the store by `step` rows when it
  // is full. 1: added; 0: the store could not grow (the user was told), nothing changed.
  int32_t DodajRekord(const SourceRecord* source, int32_t step);
  // Walks the source table, collects its rows and builds the report list. Always 1.
  int32_t CollectRecords(TableDescriptor* source, uint32_t selector, uint32_t unused, const int32_t* recordCount);
  // Writes the sorted rows with sum and total rows into table 4111's list and empties the
  // store. 0: the list was filled; 1: the list was not usable and the store is untouched.
  int32_t BuildList();

  ReportRecord* Records;  // one block of host memory; null when empty
  int32_t RecordCount;
  int32_t RecordCapacity;

 private:
  void ReleaseRecords();
};

// The line store follows the host's part directly; nothing else is in the object.
static_assert(sizeof(CRaportRozchodow) == kWDialogBaseSize + 12);

// Slot 0 of the object's virtual table: destroys the object, frees it when bit 0 of `flags` is
// set (it then came from operator new), and returns its address.
CRaportRozchodow* PM_MEMBER_CALL DeleteCRaportRozchodow(CRaportRozchodow* self, uint32_t flags);

// The object's virtual table: its own deleting destructor, then WDialogBase's 34 methods.
extern const host::VirtualTable<host::kWDialogBaseTableSize> kCRaportRozchodowTable;
