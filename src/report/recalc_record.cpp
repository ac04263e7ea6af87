// The figures of a report row, in double precision and rounded by the host (52179).
#include "report/recalc_record.h"

#include "host/host_call.h"
#include "report/wrapping_sum.h"

namespace {

constexpr int32_t kHundredths = 100;
constexpr int32_t kWholeUnits = 1;
constexpr int32_t kHighestLimit = 2000;  // 2 %

// A quantity in thousandths of a unit at a unit price, in złoty.
double ValueOf(int32_t quantity, double price) { return host::Call<52179>((quantity * 0.001) * price, kHundredths); }

// The limit is in thousandths of a percent of the allowance base Qty3 + Qty8.
int32_t AllowanceOf(int32_t base, int32_t limit) {
  const double fraction = (limit * 0.001) / 100.0;
  return static_cast<int32_t>(host::Call<52179>(base * fraction, kWholeUnits));
}

}  // namespace

int32_t RecalcRecord(ReportRecord* row) {
  const double price = row->GrossPrice;
  row->ShortageValue = ValueOf(row->ShortageQty, price);
  if (row->ShortageLimit < 0 || row->ShortageLimit > kHighestLimit) row->ShortageLimit = report::kDefaultShortageLimit;
  row->AllowedShortage = AllowanceOf(report::WrappingAdd(row->Qty8, row->Qty3), row->ShortageLimit);
  row->ExcessQty = report::WrappingAdd(row->AllowedShortage, row->ShortageQty);
  row->ExcessValue = ValueOf(row->ExcessQty, price);
  return 0;
}
