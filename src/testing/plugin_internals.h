// The testable build's window into the plug-in: its state and operations, reached through the
// one named export pm_test_internals. The shipped module has no such export.
#pragma once

#include "host/binding_table.h"
#include "host/virtual_tables.h"
#include "report/form_templates.h"
#include "report/report_layout.h"
#include "shell/identity.h"

struct PluginInternals {
  // Host binding
  HostBindingTable* bindings;
  MissingOrdinalList* missingOrdinals;
  const host::VirtualTable<host::kGxRpcCtxTableSize>* gxRpcCtxForwarding;
  const host::VirtualTable<host::kWDialogBaseTableSize>* wDialogBaseForwarding;
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

  // Report layout
  TableDescriptor* reportTableDescriptor;
  const report::ReportFormBlock* reportFormBlock;
  void (*buildColumnDefs)();
};

inline constexpr char kPluginInternalsExport[] = "pm_test_internals";
using PluginInternalsAccessor = const PluginInternals* (*)();
