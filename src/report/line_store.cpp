// DodajRekord: the line store of the report object and the detail row made from a source record.
#include <cstring>

#include "host/host_call.h"
#include "report/index_text.h"
#include "report/recalc_record.h"
#include "report/report_object.h"
#include "text/mazovia.h"

namespace {

constexpr int32_t kPriceHundredths = 100;

void ReportAllocationFailure() {
  host::Call<52028>("Błąd"_mazovia.c_str(),
                    "Błąd podczas alokowania pamięci w DodajRekord!\nOperacja niekompletna!"_mazovia.c_str(), 1);
}

// The block size for `rows` rows, or nothing when it does not fit the host's 32-bit size.
bool BlockSizeFor(int64_t rows, int32_t& size) {
  const int64_t bytes = rows * kReportRecordSize;
  if (bytes > INT32_MAX) return false;
  size = static_cast<int32_t>(bytes);
  return true;
}

// The index text of the row: the source's index as a number, or empty when it is none or zero.
void FillIndex(const SourceRecord& source, ReportRecord& row) {
  const std::optional<int64_t> index = report::ParseIndex(source.indexText);
  if (index.has_value() && *index != 0) report::FormatIndex(*index, row.IndexText);
}

void FillDetailRow(const SourceRecord& source, ReportRecord& row) {
  std::memset(&row, 0, sizeof row);
  host::Call<52161>(row.WarehouseCode, source.warehouseCode, report::kWarehouseCodeChars);
  host::Call<52161>(row.ItemName, source.itemName, report::kItemNameChars);
  FillIndex(source, row);
  row.Qty1 = source.quantity174;
  row.Qty2 = source.quantity190;
  row.Qty3 = source.quantity182;
  row.Qty4 = source.quantity186;
  row.Qty5 = source.quantity194;
  row.ShortageQty = source.shortage198;
  row.GrossPrice = host::Call<52179>(source.grossPrice, kPriceHundredths);
  row.Qty7 = source.quantity282;
  row.Qty8 = source.quantity278;
  row.Qty9 = source.quantity286;
  row.WarehouseNo = source.warehouseNo;
  host::Call<52161>(row.ExtraText, source.extraText, report::kExtraTextChars);
  row.CardRef1 = source.cardRef1;
  row.CardRef2 = source.cardRef2;
  row.ShortageLimit = report::kDefaultShortageLimit;
  RecalcRecord(&row);
}

}  // namespace

int32_t CRaportRozchodow::DodajRekord(const SourceRecord* source, int32_t step) {
  if (RecordCount == RecordCapacity) {
    const int64_t capacity = int64_t{RecordCapacity} + step;
    int32_t size = 0;
    if (!BlockSizeFor(capacity, size) || host::Call<21281>(reinterpret_cast<void**>(&Records), size) == 0) {
      ReportAllocationFailure();
      return 0;
    }
    RecordCapacity = static_cast<int32_t>(capacity);
  }
  FillDetailRow(*source, Records[RecordCount]);
  ++RecordCount;
  return 1;
}
