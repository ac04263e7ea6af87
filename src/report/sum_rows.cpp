// Sum and total rows: the labels come through the host's text copy (52161), the warehouse's
// name through its lookup (52451, 52156).
#include "report/sum_rows.h"

#include <cstdio>
#include <cstring>

#include "host/host_call.h"
#include "report/wrapping_sum.h"

namespace report {
namespace {

constexpr char kDashes[] = "----------------------------------------";
constexpr int32_t kWarehouseNameChars = 30;
constexpr int32_t kWarehouseTable = 127;

void WriteLabels(ReportRecord& row, const char* code, const char* name, const char* index) {
  host::Call<52161>(row.WarehouseCode, code, kWarehouseCodeChars);
  host::Call<52161>(row.ItemName, name, kItemNameChars);
  host::Call<52161>(row.IndexText, index, kIndexTextChars);
}

// The warehouse's name as the host gives it, cut to its first 30 characters.
void LookUpWarehouseName(int16_t warehouseNo, char (&name)[kWarehouseNameChars + 1]) {
  char found[512] = {};
  host::Call<52451>(found, 0, &warehouseNo, kWarehouseTable);
  host::Call<52156>(found);
  std::memset(name, 0, sizeof name);
  host::Call<52161>(name, static_cast<const char*>(found), kWarehouseNameChars);
}

}  // namespace

void StartSumRow(ReportRecord& sum, int16_t warehouseNo) {
  std::memset(&sum, 0, sizeof sum);
  WriteLabels(sum, "------", kDashes, "---- Suma ----");
  sum.WarehouseNo = warehouseNo;
}

void StartTotalRow(ReportRecord& total) {
  std::memset(&total, 0, sizeof total);
  WriteLabels(total, "-RAZEM-", "------------- RAZEM --------------------", "--- RAZEM ---");
}

void NameSumRow(ReportRecord& sum) {
  char name[kWarehouseNameChars + 1];
  LookUpWarehouseName(sum.WarehouseNo, name);
  char label[sizeof name + 12] = {};
  if (name[0] == '\0') {
    std::memcpy(label, kDashes, sizeof kDashes);
  } else {
    std::snprintf(label, sizeof label, "----- %s -----", name);
  }
  std::memset(sum.ItemName, 0, sizeof sum.ItemName);
  host::Call<52161>(sum.ItemName, static_cast<const char*>(label), kItemNameChars);
}

}  // namespace report

int32_t AddToSum(ReportRecord* sum, const ReportRecord* row) {
  using report::WrappingAdd;
  sum->Qty1 = WrappingAdd(sum->Qty1, row->Qty1);
  sum->Qty2 = WrappingAdd(sum->Qty2, row->Qty2);
  sum->Qty3 = WrappingAdd(sum->Qty3, row->Qty3);
  sum->Qty4 = WrappingAdd(sum->Qty4, row->Qty4);
  sum->Qty5 = WrappingAdd(sum->Qty5, row->Qty5);
  sum->ShortageQty = WrappingAdd(sum->ShortageQty, row->ShortageQty);
  sum->Qty9 = WrappingAdd(sum->Qty9, row->Qty9);
  sum->ShortageValue += row->ShortageValue;
  sum->ExcessQty = WrappingAdd(sum->ExcessQty, row->ExcessQty);
  sum->ExcessValue += row->ExcessValue;
  return 0;
}
