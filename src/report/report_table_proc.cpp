// ReportTableProc: the report list's events: the period title (2001, F4), a row's new limit
// (2004 for field 16) and the item card (F12).
#include "host/host_call.h"
#include "report/recalc_record.h"
#include "report/report_layout.h"
#include "report/report_object.h"
#include "report/report_window.h"

namespace report {
namespace {

void RecalculateEditedRow(const TableDescriptor* table, uint32_t eventArg, const uint32_t* rowPointers,
                          const int32_t* rowCount) {
  if (table == nullptr || static_cast<uint16_t>(eventArg) != kShortageLimitField) return;
  if (ReportRecord* row = CurrentRow(*table, rowPointers, rowCount)) RecalcRecord(row);
}

// The references are 16-bit values widened without sign; sum and total rows carry zeros.
void OpenItemCard(int16_t* hostFlag, const uint32_t* rowPointers, const int32_t* rowCount) {
  const ReportRecord* row = CurrentRow(reportTableDescriptor, rowPointers, rowCount);
  if (row == nullptr) return;
  const uint16_t cardRef1 = row->CardRef1;
  const uint16_t cardRef2 = row->CardRef2;
  host::Call<52518>(hostFlag, uint32_t{cardRef1}, uint32_t{cardRef2});
}

void Answer(int32_t event, const uint32_t* rowPointers, const int32_t* rowCount, TableDescriptor* tableDesc,
            uint32_t eventArg, int16_t* hostFlag) {
  switch (event) {
    case kEventFieldChanged:
      RecalculateEditedRow(tableDesc, eventArg, rowPointers, rowCount);
      break;
    case kEventKeyF4:
      host::Call<37996>();
      RefreshPeriodTitle(tableDesc);
      break;
    case kEventFillIn:
      RefreshPeriodTitle(tableDesc);
      break;
    case kEventKeyF12:
      OpenItemCard(hostFlag, rowPointers, rowCount);
      break;
  }
}

}  // namespace

ReportRecord* CurrentRow(const TableDescriptor& positions, const uint32_t* rowPointers, const int32_t* rowCount) {
  if (rowPointers == nullptr || rowCount == nullptr) return nullptr;
  // In 32-bit arithmetic as the host keeps the positions; wrapping is defined for unsigned.
  const auto index =
      static_cast<int32_t>(static_cast<uint32_t>(positions.cursorRow) - static_cast<uint32_t>(positions.topRow) +
                           static_cast<uint32_t>(positions.topRecord));
  if (index < 0 || index >= *rowCount) return nullptr;
  return reinterpret_cast<ReportRecord*>(static_cast<uintptr_t>(rowPointers[index]));
}

int32_t PM_HOST_CALL ReportTableProc(int32_t event, uint32_t, int32_t* recordCountPtr, uint32_t* rowPointers, uint32_t,
                                     TableDescriptor* tableDesc, uint32_t, uint32_t, uint32_t, uint32_t eventArg,
                                     int16_t* hostFlag) {
  try {
    CRaportRozchodow report;  // made and destroyed around every event, whatever it is
    Answer(event, rowPointers, recordCountPtr, tableDesc, eventArg, hostFlag);
  } catch (...) {
    // Nothing may unwind into the host.
  }
  return 0;
}

}  // namespace report
