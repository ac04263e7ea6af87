// CollectRecords and BuildList: the report list with its sum rows and grand total, the calls to
// the host in their order, and CompareRecords and AddToSum on their own.
#include <climits>
#include <map>
#include <ostream>

#include "report_fixture.h"
#include "text/mazovia.h"

namespace report_test {
namespace {

using hostsim::StockQuantity;
using hostsim::StockRecord;
using hostsim::StockText;

const std::string kDashes(40, '-');
const std::string kSumIndex = "---- Suma ----";

// What tells the rows of a list apart: their texts, warehouse and summed shortage.
struct ListedRow {
  std::string code;
  std::string name;
  std::string index;
  int warehouse;
  int shortage;
  bool operator==(const ListedRow&) const = default;
};
std::ostream& operator<<(std::ostream& out, const ListedRow& row) {
  return out << "{" << row.code << " | " << text::MazoviaToUtf8(row.name) << " | " << row.index << " | "
             << row.warehouse << " | " << row.shortage << "}";
}

ListedRow Listed(const ReportRecord& row) {
  return {row.WarehouseCode, row.ItemName, row.IndexText, row.WarehouseNo, row.ShortageQty};
}
ListedRow Detail(const char* name, int warehouse, int shortage, const char* index = "") {
  return {"D", name, index, warehouse, shortage};
}
ListedRow Sum(int warehouse, int shortage, const std::string& label = kDashes) {
  return {"------", label, kSumIndex, warehouse, shortage};
}
ListedRow Total(int shortage) {
  return {"-RAZEM-", "------------- RAZEM --------------------", "--- RAZEM ---", 0, shortage};
}

StockRecord Item(const char* name, int16_t warehouse, int32_t shortage, const char* index = "", int16_t card2 = 1) {
  return StockRecord()
      .Text(StockText::WarehouseCode, "D")
      .Text(StockText::ItemName, name)
      .Text(StockText::Index, index)
      .Quantity(StockQuantity::Shortage, shortage)
      .Warehouse(warehouse)
      .Cards(1, card2);
}
StockRecord NotQualifying(int32_t shortage) { return Item("X", 3, shortage).Cards(0, 1); }

// Rows that agree in warehouse, second card and index have no defined order (the sort is not
// stable), so the rows of a group carry distinct indexes wherever their order is checked.
struct AssemblyCase {
  const char* name;
  std::vector<StockRecord> records;
  std::map<int16_t, std::string> warehouseNames;
  std::vector<ListedRow> list;
};

const std::string kGlowny = "Główny"_mazovia.c_str();
const std::string k35 = "Magazyn numer trzy przy ulicy Długiej"_mazovia.c_str();

std::vector<AssemblyCase> AssemblyCases() {
  return {
      {"no records", {}, {}, {Sum(0, 0), Total(0)}},
      {"no qualifying record", {NotQualifying(-5), NotQualifying(-6)}, {}, {Sum(0, 0), Total(0)}},
      {"one warehouse: its sum row has no name",
       {Item("B", 3, -2, "2"), Item("A", 3, -1, "1")},
       {{3, kGlowny}},
       {Detail("A", 3, -1, "00001"), Detail("B", 3, -2, "00002"), Sum(3, -3), Total(-3)}},
      {"warehouses 3 and 5: the name of 3 closes its group, the last has the dashes",
       {Item("C", 5, -4), Item("A", 3, -1, "1"), NotQualifying(-100), Item("B", 3, -2, "2")},
       {{3, kGlowny}, {5, "Piąty"}},
       {Detail("A", 3, -1, "00001"), Detail("B", 3, -2, "00002"), Sum(3, -3, "----- " + kGlowny + " -----"),
        Detail("C", 5, -4), Sum(5, -4), Total(-7)}},
      {"an empty name closes with the dashes",
       {Item("A", 3, -1), Item("C", 5, -4)},
       {{3, ""}},
       {Detail("A", 3, -1), Sum(3, -1), Detail("C", 5, -4), Sum(5, -4), Total(-5)}},
      {"a 35-character name shows its first 30",
       {Item("A", 3, -1), Item("C", 5, -4)},
       {{3, k35}},
       {Detail("A", 3, -1), Sum(3, -1, "----- " + k35.substr(0, 30) + " -----"), Detail("C", 5, -4), Sum(5, -4),
        Total(-5)}},
      {"warehouse -1 sorts before 0",
       {Item("Z", 0, -1), Item("M", -1, -2)},
       {},
       {Detail("M", -1, -2), Sum(-1, -2), Detail("Z", 0, -1), Sum(0, -1), Total(-3)}},
      {"within a warehouse: the second card reference, then an empty index, then the host's text order",
       {Item("I7", 3, -1, "7"), Item("I10", 3, -2, "10"), Item("E", 3, -4), Item("K", 3, -8, "1", -1)},
       {},
       {Detail("K", 3, -8, "00001"), Detail("E", 3, -4), Detail("I7", 3, -1, "00007"), Detail("I10", 3, -2, "00010"),
        Sum(3, -15), Total(-15)}},
  };
}

TEST(AssemblyCases, ListHoldsSortedDetailsWithASumRowPerWarehouseAndTheGrandTotal) {
  for (const AssemblyCase& c : AssemblyCases()) {
    SCOPED_TRACE(c.name);
    PluginUnderTest fresh;  // every case meets a freshly loaded plug-in and host
    hostsim::HostState& caseHost = hostsim::Host();
    caseHost.stock.records = c.records;
    caseHost.warehouseNames = c.warehouseNames;
    const int32_t count = caseHost.stock.RecordCount();
    {
      ReportObject report(*fresh);
      fresh->collectRecords(report.get(), &caseHost.stock.descriptor, 0, &count);
    }
    std::vector<ListedRow> listed;
    for (const hostsim::ReportList::Row& bytes : caseHost.reportList.Rows()) {
      ReportRecord row;
      std::memcpy(&row, bytes.data(), sizeof row);
      listed.push_back(Listed(row));
    }
    EXPECT_EQ(listed, c.list);
    EXPECT_EQ(caseHost.memory.LiveBlocks(), 0u);
  }
}

using AssemblyTest = ReportTest;

// The ten summable figures: Qty1..Qty5, ShortageQty, Qty9, ShortageValue, ExcessQty, ExcessValue.
std::vector<double> Summable(const ReportRecord& row) {
  return {double(row.Qty1),        double(row.Qty2), double(row.Qty3),  double(row.Qty4),      double(row.Qty5),
          double(row.ShortageQty), double(row.Qty9), row.ShortageValue, double(row.ExcessQty), row.ExcessValue};
}
std::vector<double> NotSummed(const ReportRecord& row) {
  return {row.GrossPrice,
          double(row.Qty7),
          double(row.Qty8),
          double(row.ShortageLimit),
          double(row.AllowedShortage),
          double(row.CardRef1),
          double(row.CardRef2),
          double(row.ExtraText[0]),
          double(row.Reserved)};
}
void AddInto(std::vector<double>& sum, const std::vector<double>& row) {
  for (size_t field = 0; field < sum.size(); ++field) sum[field] += row[field];
}

TEST_F(AssemblyTest, GrandTotalIsTheSumOfTheSumRowsWhichIsTheSumOfTheDetailsOverTheSummableFields) {
  for (int16_t item = 0; item < 5; ++item) {
    StockRecord record =
        Item("I", item < 3 ? 2 : 9, -137 * (item + 1)).Price(3.33 + item).Text(StockText::ExtraText, "E");
    for (const StockQuantity quantity :
         {StockQuantity::At174, StockQuantity::At182, StockQuantity::At186, StockQuantity::At190, StockQuantity::At194,
          StockQuantity::At278, StockQuantity::At282, StockQuantity::At286}) {
      record.Quantity(quantity, 1000 * (item + 1) + static_cast<int32_t>(quantity));
    }
    host.stock.records.push_back(record);
  }
  RunReport();
  const size_t rows = host.reportList.Rows().size();
  ASSERT_EQ(rows, 8u);  // 3 details, sum, 2 details, sum, total

  std::vector<double> details(10), sums(10);
  for (size_t index = 0; index + 1 < rows; ++index) {
    const ReportRecord row = ListRow(index);
    const bool isSum = std::string(row.IndexText) == kSumIndex;
    AddInto(isSum ? sums : details, Summable(row));
    if (isSum) {
      EXPECT_EQ(NotSummed(row), std::vector<double>(9)) << "sum row " << index;
    }
  }
  const ReportRecord total = ListRow(rows - 1);
  for (size_t field = 0; field < 10; ++field) {
    EXPECT_DOUBLE_EQ(sums[field], details[field]) << "field " << field;
    EXPECT_DOUBLE_EQ(Summable(total)[field], sums[field]) << "field " << field;
  }
  EXPECT_NE(details[0], 0.0);
  EXPECT_NE(details[7], 0.0);
  EXPECT_EQ(NotSummed(total), std::vector<double>(9));
}

// The host calls of a report run over two warehouses, in order; texts and rounding left out.
TEST_F(AssemblyTest, ReportRunCallsTheHostInItsFixedOrder) {
  host.stock.records = {Item("A", 3, -1), Item("C", 5, -4)};
  RunReport(0xABCD);
  std::vector<uint16_t> order;
  for (const hostsim::LoggedCall& call : host.log.Calls()) {
    if (call.ordinal != 52161 && call.ordinal != 52179 && call.ordinal != 52431 && call.ordinal != 20902 &&
        call.ordinal != 20903)
      order.push_back(call.ordinal);
  }
  const std::vector<uint16_t> expected = {52286, 21281, 52286,  // walk; the first row takes the block
                                          22562, 51425, 50516, 22562, 22564, 22566, 22563,  // open the list
                                          52465, 22567, 52290, 52296,                       // prepare
                                          22567, 52288, 52204,                              // A
                                          52451, 52156, 22567, 52288,                       // warehouse 3 closed
                                          22567, 52288, 52204,                              // C
                                          22567, 52288, 22567, 52288,                       // last sum row, grand total
                                          22567, 52299, 22570, 21287, 22563};               // complete, release
  EXPECT_EQ(order, expected);

  const auto word = [](const void* pointer) { return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(pointer)); };
  const uint32_t stock = word(&host.stock.descriptor);
  const uint32_t table = word(&host.reportList.descriptor);
  EXPECT_EQ(host.log.CallsOf(52286)[1].words, (std::vector<uint32_t>{0, 1, stock, 0, 0xABCD}));
  const std::vector<uint32_t> made = host.log.CallsOf(22562)[0].words;
  EXPECT_EQ(made, std::vector<uint32_t>(5, 0));
  const hostsim::LoggedCall described = host.log.CallsOf(51425)[0];
  EXPECT_EQ(described.words[0], 4111u);
  EXPECT_EQ(described.words[3], 0u);
  const std::vector<uint32_t> view = host.log.CallsOf(50516)[0].words;
  EXPECT_EQ(view[0], 4111u);
  EXPECT_EQ(view[1], described.words[2]);  // the buffer that 51425 filled
  EXPECT_EQ(view[2], table);
  const uint32_t cursor = view[3];
  const std::vector<uint32_t> temporary = host.log.CallsOf(22562)[1].words;
  EXPECT_EQ(temporary[0], word(&host.reportList));  // the view
  EXPECT_EQ(host.log.CallsOf(52465)[0].words, (std::vector<uint32_t>{table, 255}));
  const uint32_t handle = 0x4111;  // the report list, the first list object made
  EXPECT_EQ(host.log.CallsOf(52290)[0].words, (std::vector<uint32_t>{handle, 0, table}));
  EXPECT_EQ(host.log.CallsOf(52296)[0].words, (std::vector<uint32_t>{table}));
  EXPECT_EQ(host.log.CallsOf(52288)[0].words, (std::vector<uint32_t>{cursor, table, handle}));
  EXPECT_EQ(host.log.CallsOf(52204)[0].words, (std::vector<uint32_t>{table, 0, 1, 0}));
  EXPECT_EQ(host.log.CallsOf(52299)[0].words, (std::vector<uint32_t>{handle, 0, table, cursor, 1, 1}));
  const std::vector<uint32_t> name = host.log.CallsOf(52451)[0].words;
  EXPECT_EQ(name[1], 0u);
  EXPECT_EQ(name[3], 127u);
  EXPECT_EQ(host.log.CallsOf(52156)[0].words[0], name[0]);

  // The callback given with the view is a forwarder to the host's 50514.
  using Callback = int32_t (*)(uint32_t, uint32_t);
  host.log.Clear();
  reinterpret_cast<Callback>(static_cast<uintptr_t>(temporary[1]))(7, 8);
  ASSERT_EQ(host.log.Calls().size(), 1u);
  EXPECT_EQ(host.log.Calls()[0].ordinal, 50514);
  EXPECT_EQ(host.log.Calls()[0].words, (std::vector<uint32_t>{7, 8}));
}

TEST_F(AssemblyTest, LoadAnsweringZeroEndsTheWalkAfterItsRecord) {
  for (int32_t record = 0; record < 10; ++record) host.stock.records.push_back(Item("R", 1, -(1 << record)));
  host.stock.stopAt = 4;
  RunReport();
  EXPECT_EQ(host.stock.LoadedRecords(), (std::vector<int32_t>{0, 1, 2, 3, 4}));
  ASSERT_EQ(host.reportList.Rows().size(), 7u);  // records 0..4, sum, total
  EXPECT_EQ(Get(ListRow(6).ShortageQty), -31);
}

TEST_F(AssemblyTest, FailedResizeLeavesThatRowOutAndTheReportIsBuiltFromTheRest) {
  host.stock.records = {Item("A", 1, -1), Item("B", 1, -2, "2"), Item("C", 1, -4, "3")};
  host.memory.FailAllocation(1);
  RunReport();
  EXPECT_EQ(host.errorMessages.size(), 1u);
  ASSERT_EQ(host.reportList.Rows().size(), 4u);
  EXPECT_EQ(Listed(ListRow(0)), Detail("B", 1, -2, "00002"));
  EXPECT_EQ(Listed(ListRow(1)), Detail("C", 1, -4, "00003"));
  EXPECT_EQ(Listed(ListRow(3)), Total(-6));
}

TEST_F(AssemblyTest, UnusableListGetsNoRowsAndTheStoreEndsEmpty) {
  host.stock.records = {Item("A", 1, -1), Item("B", 2, -2)};
  host.reportList.usable = false;
  RunReport();  // checks the store, the memory and the list objects
  EXPECT_TRUE(host.reportList.Rows().empty());
  EXPECT_TRUE(host.log.CallsOf(52465).empty());
  EXPECT_TRUE(host.log.CallsOf(52288).empty());
  EXPECT_EQ(host.log.CallsOf(22563).size(), 2u);
  EXPECT_EQ(host.log.CallsOf(21287).size(), 1u);
}

TEST_F(AssemblyTest, CompareRecordsOrdersByWarehouseThenSecondCardThenIndex) {
  struct Case {
    int16_t warehouse[2];
    int16_t card2[2];
    const char* index[2];
    int sign;
    bool asksHost;
  };
  const Case cases[] = {
      {{-1, 0}, {1, 1}, {"", ""}, -1, false},         {{0, -1}, {1, 1}, {"", ""}, 1, false},
      {{-32768, 32767}, {1, 1}, {"", ""}, -1, false}, {{3, 3}, {-1, 1}, {"00009", "00001"}, -1, false},
      {{3, 3}, {1, 1}, {"", "00001"}, -1, false},     {{3, 3}, {1, 1}, {"00001", ""}, 1, false},
      {{3, 3}, {1, 1}, {"", ""}, 0, false},           {{3, 3}, {1, 1}, {"00002", "00010"}, -1, true},
      {{3, 3}, {1, 1}, {"00010", "00002"}, 1, true},  {{3, 3}, {1, 1}, {"-0005", "-0005"}, 0, true},
  };
  for (const Case& c : cases) {
    ReportRecord rows[2] = {};
    for (int side = 0; side < 2; ++side) {
      rows[side].WarehouseNo = c.warehouse[side];
      rows[side].CardRef2 = c.card2[side];
      std::strcpy(rows[side].IndexText, c.index[side]);
    }
    host.log.Clear();
    const int result = plugin->compareRecords(&rows[0], &rows[1]);
    SCOPED_TRACE(std::to_string(c.warehouse[0]) + "/" + std::to_string(c.card2[0]) + "/" + c.index[0] + " vs " +
                 std::to_string(c.warehouse[1]) + "/" + std::to_string(c.card2[1]) + "/" + c.index[1]);
    EXPECT_EQ((result > 0) - (result < 0), c.sign);
    const std::vector<hostsim::LoggedCall> compared = host.log.CallsOf(52431);
    ASSERT_EQ(compared.size(), c.asksHost ? 1u : 0u);
    if (c.asksHost) {
      EXPECT_EQ(compared[0].words[2], static_cast<uint32_t>(INT32_MAX));
    }
  }
}

// Integer sums wrap as 32-bit two's complement (the sanitizer build would flag an overflow).
TEST_F(AssemblyTest, AddToSumAddsTheTenSummableFieldsOnlyAndIntegerSumsWrap) {
  ReportRecord row;
  std::memset(&row, 0x11, sizeof row);
  row.Qty1 = 1;
  row.Qty2 = 2;
  row.Qty3 = 3;
  row.Qty4 = 4;
  row.Qty5 = 5;
  row.ShortageQty = -6;
  row.Qty9 = 9;
  row.ShortageValue = 0.25;
  row.ExcessQty = 1;
  row.ExcessValue = -0.5;
  ReportRecord sum{};
  sum.Qty1 = 10;
  sum.ExcessQty = INT32_MAX;
  sum.ShortageValue = 1.0;

  EXPECT_EQ(plugin->addToSum(&sum, &row), 0);
  EXPECT_EQ(Summable(sum), (std::vector<double>{11, 2, 3, 4, 5, -6, 9, 1.25, double(INT32_MIN), -0.5}));
  EXPECT_EQ(NotSummed(sum), std::vector<double>(9));
  EXPECT_EQ(std::string(sum.ItemName), "");
}

}  // namespace
}  // namespace report_test
