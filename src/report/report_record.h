// ReportRecord: one row of the goods-movement report, also the record of table 4111.
#pragma once

#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)

// Quantities are thousandths of the item's unit, money is in złoty rounded to hundredths,
// texts are Mazovia and NUL-terminated inside their fields.
struct ReportRecord {
  uint16_t Reserved;  // never written
  char WarehouseCode[17];
  char ItemName[121];  // in sum and total rows a label
  char IndexText[17];  // the item index as a zero-padded number, or empty
  int32_t Qty1;
  int32_t Qty2;
  int32_t Qty3;  // first term of the allowance base
  int32_t Qty4;
  int32_t Qty5;
  int32_t ShortageQty;  // a deficit is negative
  double GrossPrice;
  int32_t Qty7;
  int32_t Qty8;  // second term of the allowance base
  int32_t Qty9;
  double ShortageValue;
  int32_t ShortageLimit;  // thousandths of a percent: 500 is 0.5 %
  int32_t AllowedShortage;
  int32_t ExcessQty;  // the part of the shortage that the allowance does not cover
  double ExcessValue;
  int16_t WarehouseNo;  // sort and grouping key, compared as a signed number
  char ExtraText[26];
  int16_t CardRef1;  // the item card's references; non-zero in every detail row
  int16_t CardRef2;  // also the second sort key
};

#pragma pack(pop)

namespace report {

// The most characters each text field takes; the field holds them and a NUL.
inline constexpr int32_t kWarehouseCodeChars = sizeof(ReportRecord::WarehouseCode) - 1;
inline constexpr int32_t kItemNameChars = sizeof(ReportRecord::ItemName) - 1;
inline constexpr int32_t kIndexTextChars = sizeof(ReportRecord::IndexText) - 1;
inline constexpr int32_t kExtraTextChars = sizeof(ReportRecord::ExtraText) - 1;

}  // namespace report

inline constexpr int32_t kReportRecordSize = 261;
static_assert(sizeof(ReportRecord) == kReportRecordSize);
static_assert(offsetof(ReportRecord, Reserved) == 0);
static_assert(offsetof(ReportRecord, WarehouseCode) == 2);
static_assert(offsetof(ReportRecord, ItemName) == 19);
static_assert(offsetof(ReportRecord, IndexText) == 140);
static_assert(offsetof(ReportRecord, Qty1) == 157);
static_assert(offsetof(ReportRecord, Qty2) == 161);
static_assert(offsetof(ReportRecord, Qty3) == 165);
static_assert(offsetof(ReportRecord, Qty4) == 169);
static_assert(offsetof(ReportRecord, Qty5) == 173);
static_assert(offsetof(ReportRecord, ShortageQty) == 177);
static_assert(offsetof(ReportRecord, GrossPrice) == 181);
static_assert(offsetof(ReportRecord, Qty7) == 189);
static_assert(offsetof(ReportRecord, Qty8) == 193);
static_assert(offsetof(ReportRecord, Qty9) == 197);
static_assert(offsetof(ReportRecord, ShortageValue) == 201);
static_assert(offsetof(ReportRecord, ShortageLimit) == 209);
static_assert(offsetof(ReportRecord, AllowedShortage) == 213);
static_assert(offsetof(ReportRecord, ExcessQty) == 217);
static_assert(offsetof(ReportRecord, ExcessValue) == 221);
static_assert(offsetof(ReportRecord, WarehouseNo) == 229);
static_assert(offsetof(ReportRecord, ExtraText) == 231);
static_assert(offsetof(ReportRecord, CardRef1) == 257);
static_assert(offsetof(ReportRecord, CardRef2) == 259);
