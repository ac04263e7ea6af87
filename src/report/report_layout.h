// The report list's layout as the host reads it: table 4111's descriptor and its column arrays.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "host/table_records.h"

namespace report {

inline constexpr int16_t kColumnCount = 21;

#pragma pack(push, 1)

struct ColumnDef {
  uint8_t column;  // 1 to 21
  uint8_t field;   // the report row's field it shows, counted from 1
  uint8_t host2;
  uint8_t host3;
  uint16_t header;  // a host text number
};

#pragma pack(pop)

static_assert(sizeof(ColumnDef) == 6);
static_assert(offsetof(ColumnDef, column) == 0);
static_assert(offsetof(ColumnDef, field) == 1);
static_assert(offsetof(ColumnDef, host2) == 2);
static_assert(offsetof(ColumnDef, host3) == 3);
static_assert(offsetof(ColumnDef, header) == 4);

// Each array the host reads to its terminating zero entry carries one after the columns.
using ColumnDefTable = std::array<ColumnDef, kColumnCount + 1>;
using ColumnWords = std::array<uint16_t, kColumnCount + 1>;
using ColumnWidths = std::array<uint8_t, kColumnCount>;

extern TableDescriptor reportTableDescriptor;
extern ColumnDefTable columnDefTable;  // the own headers are numbered by the host at load
extern const ColumnWidths columnWidthTable;
extern const ColumnWords columnKindTable;
extern const ColumnWords columnAttrTable;

// Has the host number the headers that are the plug-in's own texts; runs once at load, after binding.
void BuildColumnDefs();

}  // namespace report
