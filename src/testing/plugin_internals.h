// The testable build's window into the plug-in: its state and operations, reached through the
// one named export pm_test_internals. The shipped module has no such export.
#pragma once

#include "host/binding_table.h"
#include "host/virtual_tables.h"
#include "report/form_templates.h"
#include "report/report_layout.h"
#include "report/report_object.h"
#include "report/report_window.h"
#include "shell/identity.h"

struct PluginInternals {
  // Host binding
  HostBindingTable* bindings;
  MissingOrdinalList* missingOrdinals;
  const host::VirtualTable<host::kGxRpcCtxTableSize>* gxRpcCtxForwarding;
  const host::VirtualTable<host::kWDialogBaseTableSize>* wDialogBaseForwarding;
  const unsigned char (*binderThunks)[16];  // the initial content of each slot
  const void* (*bindHostService)(LPCSTR request, HostSlot* slot);
  int (*compareOrdinalsDescending)(const void* first, const void* second);

  // Identity
  const HMODULE* moduleHandle;
  const char* modulePath;
  const char* const* moduleFileName;
  const shell::FeatureQueryFn* featureQuery;
  char* (*writePluginName)(char* buffer);
  const char* (*fileNameFromPath)(const char* path);
  const char* (*findLastChar)(const char* text, char character);

  // Report rows and assembly; a report object lives in memory the caller provides.
  const host::VirtualTable<host::kWDialogBaseTableSize>* reportVirtualTable;
  void (*constructReport)(void* memory);
  void (*destroyReport)(CRaportRozchodow* report);
  CRaportRozchodow* (*newReport)();  // from the plug-in's heap, for the deleting destructor
  int32_t (*dodajRekord)(CRaportRozchodow* report, const SourceRecord* source, int32_t step);
  int32_t (*collectRecords)(CRaportRozchodow* report, TableDescriptor* source, uint32_t selector,
                            const int32_t* recordCount);
  int32_t (*buildList)(CRaportRozchodow* report);
  int32_t (*recalcRecord)(ReportRecord* row);
  int (*compareRecords)(const ReportRecord* first, const ReportRecord* second);
  int32_t (*addToSum)(ReportRecord* sum, const ReportRecord* row);

  // Report layout
  TableDescriptor* reportTableDescriptor;
  const report::ReportFormBlock* reportFormBlock;
  void (*buildColumnDefs)();

  // Report window
  TableProc table127Proc;
  TableProc reportTableProc;
  TableProc* previousTable127Proc;
  const uint8_t* periodRecord;
  void (*refreshPeriodTitle)(TableDescriptor* table);
};

inline constexpr char kPluginInternalsExport[] = "pm_test_internals";
using PluginInternalsAccessor = const PluginInternals* (*)();
