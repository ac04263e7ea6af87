// Table127Proc: on event 231 the report is built into table 4111 and shown; every event then
// goes on to the procedure table 127 had before.
#include "host/host_call.h"
#include "report/report_object.h"
#include "report/report_table.h"
#include "report/report_window.h"

namespace report {
namespace {

void BuildReport(TableDescriptor* source, uint32_t selector, const int32_t* recordCount) {
  CRaportRozchodow report;
  report.CollectRecords(source, selector, 0, recordCount);
}

void ShowReportList(int16_t* hostFlag) {
  host::Call<37996>();
  *hostFlag = 1;
  ReportTable reportTable;
  host::Call<52092>(kReportTable, reportTable.text, reportTable.descriptor);
  host::Call<33197>(-5);
}

}  // namespace

constinit TableProc previousTable127Proc = nullptr;

int32_t PM_HOST_CALL Table127Proc(int32_t event, uint32_t arg2, int32_t* recordCountPtr, uint32_t* rowPointers,
                                  uint32_t arg5, TableDescriptor* tableDesc, uint32_t arg7, uint32_t selector,
                                  uint32_t arg9, uint32_t eventArg, int16_t* hostFlag) {
  if (event == kEventBuildReport) {
    try {
      BuildReport(tableDesc, selector, recordCountPtr);
      ShowReportList(hostFlag);
    } catch (...) {
      // Nothing may unwind into the host; the event still reaches table 127's own procedure.
    }
  }
  if (previousTable127Proc == nullptr) return 0;  // a hooked table without a procedure of its own
  return previousTable127Proc(event, arg2, recordCountPtr, rowPointers, arg5, tableDesc, arg7, selector, arg9, eventArg,
                              hostFlag);
}

}  // namespace report
