// SourceRecord: the fields of a table-127 record (a stock movement) that a report row is made of.
#pragma once

#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)

// The host's 516-byte record; only the named fields are read, the gaps are the host's.
struct SourceRecord {
  uint8_t host0[2];
  char warehouseCode[17];
  char itemName[121];
  uint8_t host140[17];
  char indexText[17];  // at most 16 characters and a NUL
  int32_t quantity174;
  int32_t quantity178;  // not used by the report
  int32_t quantity182;
  int32_t quantity186;
  int32_t quantity190;
  int32_t quantity194;
  int32_t shortage198;
  uint8_t host202[76];
  int32_t quantity278;
  int32_t quantity282;
  int32_t quantity286;
  uint8_t host290[80];
  int16_t warehouseNo;
  uint8_t host372[2];
  double grossPrice;
  uint8_t host382[4];
  char extraText[26];
  uint8_t host412[100];
  int16_t cardRef1;  // non-zero: the record goes into the report
  int16_t cardRef2;
};

#pragma pack(pop)

inline constexpr int32_t kSourceRecordSize = 516;
static_assert(sizeof(SourceRecord) == kSourceRecordSize);
static_assert(offsetof(SourceRecord, warehouseCode) == 2);
static_assert(offsetof(SourceRecord, itemName) == 19);
static_assert(offsetof(SourceRecord, indexText) == 157);
static_assert(offsetof(SourceRecord, quantity174) == 174);
static_assert(offsetof(SourceRecord, quantity182) == 182);
static_assert(offsetof(SourceRecord, quantity186) == 186);
static_assert(offsetof(SourceRecord, quantity190) == 190);
static_assert(offsetof(SourceRecord, quantity194) == 194);
static_assert(offsetof(SourceRecord, shortage198) == 198);
static_assert(offsetof(SourceRecord, quantity278) == 278);
static_assert(offsetof(SourceRecord, quantity282) == 282);
static_assert(offsetof(SourceRecord, quantity286) == 286);
static_assert(offsetof(SourceRecord, warehouseNo) == 370);
static_assert(offsetof(SourceRecord, grossPrice) == 374);
static_assert(offsetof(SourceRecord, extraText) == 386);
static_assert(offsetof(SourceRecord, cardRef1) == 512);
static_assert(offsetof(SourceRecord, cardRef2) == 514);
