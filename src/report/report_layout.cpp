// Table 4111's descriptor, its 21 columns and static title, and the numbering of the own headers.
#include "report/report_layout.h"

#include <iterator>

#include "host/host_call.h"
#include "report/report_record.h"
#include "report/report_table.h"
#include "report/report_window.h"
#include "text/mazovia.h"

namespace report {
namespace {

constexpr auto kReportTitle = "Ruch towarów z przeliczaniem"_mazovia;

constexpr auto kWarehouseCodeHeader = "Mag."_mazovia;
constexpr auto kIndexHeader = "Indeks"_mazovia;
constexpr auto kGrossPriceHeader = "Cena\nbrutto"_mazovia;
constexpr auto kShortageValueHeader = "Braki w zł"_mazovia;
constexpr auto kShortageLimitHeader = "Wskaźnik\nbraków"_mazovia;
constexpr auto kAllowedShortageHeader = "Dop.braki"_mazovia;
constexpr auto kExcessQtyHeader = "Braki po\nlim kg"_mazovia;
constexpr auto kExcessValueHeader = "Braki po\nlim zł"_mazovia;

constexpr uint16_t kIntegerKind = 'C';  // a 32-bit integer field
constexpr uint16_t kDoubleKind = 'H';   // a double field

struct Column {
  uint16_t hostHeader;    // a host text number; 0 where the header is the plug-in's own
  const char* ownHeader;  // numbered by the host at load; null where the host has the text
  uint8_t width;
  uint16_t kind;
  uint16_t attributes;
};

constexpr Column HostHeader(uint16_t number, uint8_t width, uint16_t kind, uint16_t attributes) {
  return {number, nullptr, width, kind, attributes};
}

constexpr Column OwnHeader(const char* text, uint8_t width, uint16_t kind, uint16_t attributes) {
  return {0, text, width, kind, attributes};
}

// Column n shows the n-th field of the report row. Only the limit (column 16) lacks the
// attribute bits 0x0080 and 0x0100 among the figures: it is the one the user edits.
constexpr Column kColumns[] = {
    HostHeader(317, 4, 0x0031, 0x0041),                          // Reserved
    OwnHeader(kWarehouseCodeHeader, 6, 0x000A, 0x0088),          // WarehouseCode
    HostHeader(367, 40, 0x001F, 0x0008),                         // ItemName
    OwnHeader(kIndexHeader, 6, 0x0015, 0x0008),                  // IndexText
    HostHeader(273, 9, kIntegerKind, 0x0183),                    // Qty1
    HostHeader(281, 9, kIntegerKind, 0x0183),                    // Qty2
    HostHeader(275, 9, kIntegerKind, 0x0183),                    // Qty3
    HostHeader(280, 9, kIntegerKind, 0x0183),                    // Qty4
    HostHeader(283, 9, kIntegerKind, 0x0183),                    // Qty5
    HostHeader(284, 9, kIntegerKind, 0x0183),                    // ShortageQty
    OwnHeader(kGrossPriceHeader, 11, kDoubleKind, 0x2084),       // GrossPrice
    HostHeader(60, 9, kIntegerKind, 0x0183),                     // Qty7
    HostHeader(446, 9, kIntegerKind, 0x0183),                    // Qty8
    HostHeader(31, 9, kIntegerKind, 0x0183),                     // Qty9
    OwnHeader(kShortageValueHeader, 11, kDoubleKind, 0x2184),    // ShortageValue
    OwnHeader(kShortageLimitHeader, 9, kIntegerKind, 0x0003),    // ShortageLimit
    OwnHeader(kAllowedShortageHeader, 9, kIntegerKind, 0x0183),  // AllowedShortage
    OwnHeader(kExcessQtyHeader, 9, kIntegerKind, 0x0183),        // ExcessQty
    OwnHeader(kExcessValueHeader, 11, kDoubleKind, 0x2184),      // ExcessValue
    HostHeader(946, 20, 0x007F, 0x0009),                         // WarehouseNo
    HostHeader(388, 25, 0x000D, 0x0008),                         // ExtraText
};
static_assert(std::size(kColumns) == kColumnCount);

// The own headers hold 0 until the host has numbered them.
constexpr ColumnDefTable MakeColumnDefs() {
  ColumnDefTable table{};
  for (size_t index = 0; index < std::size(kColumns); ++index) {
    const auto number = static_cast<uint8_t>(index + 1);
    table[index] = ColumnDef{number, number, 1, 6, kColumns[index].hostHeader};
  }
  return table;
}

constexpr ColumnWidths MakeWidths() {
  ColumnWidths widths{};
  for (size_t index = 0; index < std::size(kColumns); ++index) widths[index] = kColumns[index].width;
  return widths;
}

constexpr ColumnWords MakeWords(uint16_t Column::*word) {
  ColumnWords words{};
  for (size_t index = 0; index < std::size(kColumns); ++index) words[index] = kColumns[index].*word;
  return words;
}

}  // namespace

constinit ColumnDefTable columnDefTable = MakeColumnDefs();
constexpr ColumnWidths columnWidthTable = MakeWidths();
constexpr ColumnWords columnKindTable = MakeWords(&Column::kind);
constexpr ColumnWords columnAttrTable = MakeWords(&Column::attributes);

constinit TableDescriptor reportTableDescriptor = {
    .tableId = kReportTable,
    .needFlags = 0x00FF,  // every working copy
    .recordSize = sizeof(ReportRecord),
    .recordBuffer = nullptr,
    .host12 = 312,
    .host16 = 0,
    .columnDefCount = kColumnCount,
    .host20 = 6,
    .host22 = 333,
    .widthCount = kColumnCount,
    .host26 = 21,
    .host28 = 2,
    .host30 = 4,
    .columnCount = kColumnCount,
    .title = nullptr,
    .columnDefs = nullptr,
    .columnAttrs = nullptr,
    .columnKinds = nullptr,
    .columnWidths = nullptr,
    .columnOrder = nullptr,
    .host58 = 0,
    .columnOrderWord = nullptr,
    .host66 = {},
    .host72 = 14,
    .host74 = 1,
    .host76 = 1,
    .host78 = 0,
    .topRow = 0,
    .topRecord = 0,
    .cursorRow = 0,
    .host92 = {},
    .keyBarCode = {'O', 'N'},  // the key bar's form code
    .procedure = &ReportTableProc,
    .host108 = 0,
    .titleSource = kReportTitle.bytes,
    .columnDefsSource = &columnDefTable[0].column,  // the table's first byte, as an address constant
    .columnAttrsSource = columnAttrTable.data(),
    .columnKindsSource = columnKindTable.data(),
    .columnWidthsSource = columnWidthTable.data(),
};

void BuildColumnDefs() {
  for (size_t index = 0; index < std::size(kColumns); ++index) {
    const char* header = kColumns[index].ownHeader;
    if (header == nullptr) continue;
    // The host's number is 32 bits wide, a header 16: the low half is the header. A host
    // without 33904 yields 0, the header's value before; the plug-in refuses such a host at attach.
    columnDefTable[index].header = static_cast<uint16_t>(host::Call<33904>(header));
  }
}

}  // namespace report
