// CollectRecords and BuildList: from the source table's records to table 4111's list, sorted by
// warehouse, with a sum row after each warehouse and a grand total at the end.
#include <cstdlib>
#include <cstring>

#include "host/host_call.h"
#include "host/slot_thunks.h"
#include "report/record_order.h"
#include "report/report_object.h"
#include "report/report_table.h"
#include "report/sum_rows.h"

namespace {

constexpr int32_t kFillAllFields = 255;

// Non-zero in a record that goes into the report (its first card reference).
bool Qualifies(const uint8_t* record) { return reinterpret_cast<const SourceRecord*>(record)->cardRef1 != 0; }

// The view's callback is the host's 50514, handed over as a forwarder through its slot.
const void* ViewCallback() { return &pm_forward_thunks[host::SlotIndexOf(50514)]; }

// qsort rather than std::sort: the index order is the host's, and a host comparison that is no
// strict weak order must not take the sort outside the rows.
void SortRows(ReportRecord* rows, int32_t count) {
  if (count < 2) return;
  std::qsort(rows, static_cast<size_t>(count), sizeof(ReportRecord), [](const void* first, const void* second) {
    return CompareRecords(static_cast<const ReportRecord*>(first), static_cast<const ReportRecord*>(second));
  });
}

// The list of table 4111 while it is being filled.
class ListWriter {
 public:
  // The cursor is the one whose address the view of the table has; it starts again at 0.
  ListWriter(HostList* list, TableDescriptor* table, int32_t& cursor)
      : list_(list), table_(table), buffer_(table->recordBuffer), cursor_(cursor) {
    cursor_ = 0;
  }

  void Prepare() {
    host::Call<52290>(Handle(), 0, table_);
    host::Call<52296>(table_);
  }

  void AppendDetail(const ReportRecord& row) {
    Append(row);
    host::Call<52204>(table_, 0, 1, 0);
  }

  // A row goes into the list through the table's record buffer.
  void Append(const ReportRecord& row) {
    std::memcpy(buffer_, &row, sizeof row);
    host::Call<52288>(&cursor_, table_, Handle());
  }

  void Complete() {
    host::Call<52299>(Handle(), 0, table_, &cursor_, 1, 1);
    host::Call<22570>(list_);
  }

 private:
  // The host is asked for the handle afresh before every call that takes it.
  int32_t Handle() const { return host::Call<22567>(list_); }

  HostList* list_;
  TableDescriptor* table_;
  uint8_t* buffer_;
  int32_t& cursor_;
};

// Sorted rows, each warehouse closed by its sum row, then the grand total.
void EmitRows(ListWriter& list, const ReportRecord* rows, int32_t count) {
  ReportRecord sum;
  ReportRecord total;
  report::StartSumRow(sum, 0);
  report::StartTotalRow(total);
  bool groupOpen = false;
  for (int32_t index = 0; index < count; ++index) {
    const ReportRecord& row = rows[index];
    if (row.CardRef1 == 0) continue;
    if (groupOpen && row.WarehouseNo != sum.WarehouseNo) {
      report::NameSumRow(sum);
      list.Append(sum);
      AddToSum(&total, &sum);
      report::StartSumRow(sum, row.WarehouseNo);
    }
    if (!groupOpen) sum.WarehouseNo = row.WarehouseNo;
    groupOpen = true;
    AddToSum(&sum, &row);
    list.AppendDetail(row);
  }
  list.Append(sum);
  AddToSum(&total, &sum);
  list.Append(total);
}

}  // namespace

int32_t CRaportRozchodow::CollectRecords(TableDescriptor* source, uint32_t selector, uint32_t /*unused*/,
                                         const int32_t* recordCount) {
  const uint8_t* const record = source->recordBuffer;
  int32_t loaded = 1;
  for (int32_t recordNo = 0; loaded != 0 && recordNo < *recordCount; ++recordNo) {
    loaded = host::Call<52286>(0, recordNo, source, 0, selector);
    if (Qualifies(record)) DodajRekord(reinterpret_cast<const SourceRecord*>(record), *recordCount);
  }
  BuildList();
  ReleaseRecords();
  return 1;
}

int32_t CRaportRozchodow::BuildList() {
  HostList* const list = host::Call<22562>(nullptr, nullptr, 0, 0, 0);
  int32_t cursor = 0;
  report::ReportTable reportTable;
  TableDescriptor* const table = reportTable.descriptor;
  void* const view = host::Call<50516>(report::kReportTable, reportTable.text, table, &cursor);
  HostList* const temporary = host::Call<22562>(view, ViewCallback(), 0, 0, 0);
  const int32_t usable = host::Call<22566>(host::Call<22564>(list, temporary));
  host::Call<22563>(temporary);
  if (usable == 0) {
    host::Call<22563>(list);
    return 1;
  }

  host::Call<52465>(table, kFillAllFields);
  ListWriter writer(list, table, cursor);
  writer.Prepare();
  SortRows(Records, RecordCount);
  EmitRows(writer, Records, RecordCount);
  writer.Complete();
  ReleaseRecords();
  host::Call<22563>(list);
  return 0;
}
