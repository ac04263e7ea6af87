// The named export of the testable build.
#include "testing/plugin_internals.h"

#include <new>

#include "host/slot_thunks.h"
#include "report/recalc_record.h"
#include "report/record_order.h"
#include "report/sum_rows.h"

#ifdef _WIN32
#define PM_NAMED_EXPORT __declspec(dllexport)
#else
#define PM_NAMED_EXPORT __attribute__((visibility("default")))
#endif

namespace {

void ConstructReport(void* memory) { new (memory) CRaportRozchodow; }
void DestroyReport(CRaportRozchodow* report) { report->~CRaportRozchodow(); }
CRaportRozchodow* NewReport() { return new CRaportRozchodow; }
int32_t DodajRekord(CRaportRozchodow* report, const SourceRecord* source, int32_t step) {
  return report->DodajRekord(source, step);
}
int32_t CollectRecords(CRaportRozchodow* report, TableDescriptor* source, uint32_t selector,
                       const int32_t* recordCount) {
  return report->CollectRecords(source, selector, 0, recordCount);
}
int32_t BuildList(CRaportRozchodow* report) { return report->BuildList(); }

const PluginInternals internals = {
    &hostBindings,
    &MissingOrdinals,
    &host::kGxRpcCtxForwarding,
    &host::kWDialogBaseForwarding,
    pm_binder_thunks,
    &BindHostService,
    &CompareOrdinalsDescending,
    &shell::ModuleHandle,
    shell::ModulePath,
    &shell::ModuleFileName,
    &shell::FeatureQuery,
    &shell::WritePluginName,
    &shell::FileNameFromPath,
    &shell::FindLastChar,
    &kCRaportRozchodowTable,
    &ConstructReport,
    &DestroyReport,
    &NewReport,
    &DodajRekord,
    &CollectRecords,
    &BuildList,
    &RecalcRecord,
    &CompareRecords,
    &AddToSum,

    &report::reportTableDescriptor,
    &report::reportFormBlock,
    &report::BuildColumnDefs,
    &report::Table127Proc,
    &report::ReportTableProc,
    &report::previousTable127Proc,
    report::periodRecord,
    &report::RefreshPeriodTitle,
};

}  // namespace

extern "C" PM_NAMED_EXPORT const PluginInternals* pm_test_internals() { return &internals; }
