// The report's table procedures driven by the host: event 231 on table 127 builds and shows the
// report list; the list's events recalculate a row, set the period title, open the item card.
#include <string>
#include <vector>

#include "hostsim/table_events.h"
#include "report_fixture.h"
#include "text/mazovia.h"

namespace report_test {
namespace {

using hostsim::StockQuantity;
using hostsim::StockRecord;
using hostsim::StockText;

uint32_t Word(const void* address) { return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(address)); }

std::vector<uint16_t> Ordinals(const hostsim::CallLog& log) {
  std::vector<uint16_t> ordinals;
  for (const hostsim::LoggedCall& call : log.Calls()) ordinals.push_back(call.ordinal);
  return ordinals;
}

class ReportWindowTest : public ReportTest {
 protected:
  // What initialisation will do: the host gets the plug-in's descriptor and form block, and
  // table 127's procedure is hooked.
  ReportWindowTest() {
    host.handedFormBlock = reinterpret_cast<const uint8_t*>(plugin->reportFormBlock);
    host.reportList.Adopt(plugin->reportTableDescriptor);
    *plugin->previousTable127Proc = host.stock.descriptor.procedure;
    host.stock.descriptor.procedure = plugin->table127Proc;
    host.warehouseNames[3] = "Hala"_mazovia.c_str();
    // Warehouse 3: rows A (cards 11, -1) and B (12, 2); warehouse 5: row C (13, 3).
    AddStock(3, 11, -1, -2500, 8.40);
    AddStock(3, 12, 2, -100, 2.50);
    AddStock(5, 13, 3, 300, 10.00);
  }

  void AddStock(int16_t warehouse, int16_t card1, int16_t card2, int32_t shortage, double price) {
    host.stock.records.push_back(StockRecord()
                                     .Text(StockText::WarehouseCode, "M")
                                     .Text(StockText::ItemName, "Mąka pszenna"_mazovia.c_str())
                                     .Quantity(StockQuantity::Shortage, shortage)
                                     .Quantity(StockQuantity::At182, 100000)
                                     .Quantity(StockQuantity::At278, 200000)
                                     .Price(price)
                                     .Warehouse(warehouse)
                                     .Cards(card1, card2));
  }
};

TEST_F(ReportWindowTest, Event231BuildsTheReportShowsItThenPassesTheEventOn) {
  host.stock.ownProcedureAnswer = 0x7777;
  EXPECT_EQ(hostsim::RaiseOnStockTable(231, 0x5E1EC7, 0xE7E7), 0x7777);

  ASSERT_EQ(host.reportList.Rows().size(), 6u);  // A, B, sum of 3, C, sum of 5, total
  const std::vector<uint16_t> order = Ordinals(host.log);
  ASSERT_GE(order.size(), 5u);
  EXPECT_EQ(std::vector<uint16_t>(order.end() - 5, order.end()),
            (std::vector<uint16_t>{20903, 37996, 51425, 52092, 33197}));
  const std::vector<uint32_t> described = host.log.CallsOf(51425).back().words;
  EXPECT_EQ(described[0], 4111u);
  EXPECT_EQ(described[3], 0u);
  EXPECT_EQ(host.log.CallsOf(52092)[0].words,
            (std::vector<uint32_t>{4111, described[2], Word(plugin->reportTableDescriptor)}));
  EXPECT_EQ(host.log.CallsOf(33197)[0].words, std::vector<uint32_t>{static_cast<uint32_t>(-5)});

  ASSERT_EQ(host.stock.ownProcedureCalls.size(), 1u);
  const hostsim::ProcedureCall& passedOn = host.stock.ownProcedureCalls[0];
  EXPECT_EQ(passedOn.arguments, host.raisedArguments);
  EXPECT_EQ(passedOn.hostFlag, 1);
  EXPECT_EQ(passedOn.loggedBefore, host.log.Calls().size()) << "passed on before the list was shown";
}

TEST_F(ReportWindowTest, TheShownListIsWhatAPersonSees) {
  hostsim::RaiseOnStockTable(231);
  ASSERT_EQ(host.listsShown.size(), 1u);
  const hostsim::ListView& view = host.listsShown[0];
  EXPECT_EQ(view.title, "Ruch towarów z przeliczaniem");
  ASSERT_EQ(view.headerLines.size(), 2u);
  for (const char* header : {"Mag.", "Indeks", "Cena", "Braki w zł", "Wskaźnik", "Dop.braki", "Braki po"}) {
    EXPECT_NE(view.headerLines[0].find(header), std::string::npos) << header;
  }
  for (const char* second : {"brutto", "braków", "lim kg", "lim zł"}) {
    EXPECT_NE(view.headerLines[1].find(second), std::string::npos) << second;
  }
  ASSERT_EQ(view.rows.size(), 6u);
  EXPECT_NE(view.rows[0].find("|Mąka pszenna" + std::string(28, ' ') + "|"), std::string::npos) << view.rows[0];
  EXPECT_NE(view.rows[0].find("|     -21.00|"), std::string::npos) << view.rows[0];  // shortage value, 2 decimals
  EXPECT_NE(view.rows[0].find("|   -2.500|"), std::string::npos) << view.rows[0];    // shortage, 3 decimals
  EXPECT_NE(view.rows[2].find("----- Hala -----"), std::string::npos) << view.rows[2];
  EXPECT_EQ(view.keyBar, std::string(2, ' ') + "F2 Narzędzia" + std::string(4, ' ') + "F3 Druk" + std::string(4, ' ') +
                             "F4 Wypełnij" + std::string(5, ' ') + "F12 Kartoteka" + std::string(22, ' '));
}

TEST_F(ReportWindowTest, AnyOtherEventReachesTheTablesOwnProcedureUntouched) {
  for (int32_t event : {0, 230, 232, 2001, 2004, -31232, 0x3E00}) {
    SCOPED_TRACE(event);
    host.log.Clear();
    host.stock.ownProcedureCalls.clear();
    host.stock.ownProcedureAnswer = event ^ 0x55;
    EXPECT_EQ(hostsim::RaiseOnStockTable(event, 0x51, 0x52), event ^ 0x55);
    ASSERT_EQ(host.stock.ownProcedureCalls.size(), 1u);
    EXPECT_EQ(host.stock.ownProcedureCalls[0].arguments, host.raisedArguments);
    EXPECT_TRUE(host.log.Calls().empty());
    EXPECT_TRUE(host.reportList.Rows().empty());
  }
}

TEST_F(ReportWindowTest, WithoutAPreviousProcedureEvent231StillShowsTheListAndAnswersZero) {
  *plugin->previousTable127Proc = nullptr;
  EXPECT_EQ(hostsim::RaiseOnStockTable(231), 0);
  EXPECT_EQ(host.listsShown.size(), 1u);
  EXPECT_EQ(hostsim::RaiseOnStockTable(5), 0);
}

// The report list open, its cursor on a chosen row.
class ReportListTest : public ReportWindowTest {
 protected:
  ReportListTest() {
    hostsim::RaiseOnStockTable(231);
    host.log.Clear();
  }

  void PutCursorOn(int32_t row) {
    TableDescriptor& table = host.reportList.Table();
    table.topRow = 10;
    table.topRecord = 2;
    table.cursorRow = 10 - 2 + row;  // cursorRow - topRow + topRecord = row
  }

  ReportRecord* Row(size_t index) {
    return reinterpret_cast<ReportRecord*>(static_cast<uintptr_t>(host.reportList.RowPointers().at(index)));
  }

  std::vector<std::vector<uint8_t>> AllRows() const { return host.reportList.RowBytes(); }
};

TEST_F(ReportListTest, Event2004ForTheLimitRecalculatesExactlyTheCurrentRow) {
  struct Case {
    uint32_t eventArg;
    bool recalculates;
  };
  const Case cases[] = {{16, true}, {0xABCD0010, true}, {15, false}, {17, false}};
  for (const Case& test : cases) {
    SCOPED_TRACE(test.eventArg);
    Row(0)->ShortageLimit = 2000;  // the user typed 2 % into row A
    Row(0)->AllowedShortage = 0;
    std::vector<std::vector<uint8_t>> expected = AllRows();
    PutCursorOn(0);
    EXPECT_EQ(hostsim::RaiseOnReportList(2004, test.eventArg), 0);
    if (test.recalculates) {
      ReportRecord recalculated;
      std::memcpy(&recalculated, expected[0].data(), sizeof recalculated);
      recalculated.AllowedShortage = 6000;  // (200000 + 100000) x 2 %
      recalculated.ExcessQty = 6000 - 2500;
      recalculated.ExcessValue = 29.40;
      std::memcpy(expected[0].data(), &recalculated, sizeof recalculated);
    }
    EXPECT_EQ(AllRows(), expected);
  }
}

TEST_F(ReportListTest, F12OpensTheItemCardOfTheCurrentRowOnly) {
  struct Case {
    int32_t row;
    std::vector<uint32_t> references;  // empty: no item card
  };
  const Case cases[] = {
      {0, {11, 0xFFFF}},               // CardRef2 -1 widened without sign
      {1, {12, 2}},      {2, {0, 0}},  // a sum row
      {5, {0, 0}},                     // the grand total
      {6, {}},                         // past the last row
      {-1, {}},                        // before the first
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.row);
    host.log.Clear();
    PutCursorOn(test.row);
    EXPECT_EQ(hostsim::RaiseOnReportList(static_cast<int32_t>(0xFFFF8600)), 0);
    const std::vector<hostsim::LoggedCall> cards = host.log.CallsOf(52518);
    if (test.references.empty()) {
      EXPECT_TRUE(cards.empty());
      continue;
    }
    ASSERT_EQ(cards.size(), 1u);
    EXPECT_EQ(cards[0].words, (std::vector<uint32_t>{Word(&host.hostFlag), test.references[0], test.references[1]}));
  }
  host.log.Clear();
  PutCursorOn(0);
  hostsim::RaiseOnReportList(0x8600);  // not sign-extended: not the key
  EXPECT_TRUE(host.log.CallsOf(52518).empty());
}

TEST_F(ReportListTest, TheLimitFollowsTheTablesCursorAndTheCardThePluginsDescriptor) {
  // The host hands over its own descriptor of the list, its cursor elsewhere than the plug-in's.
  TableDescriptor& own = host.reportList.descriptor;
  own.topRow = 0;
  own.topRecord = 0;
  own.cursorRow = 1;
  PutCursorOn(0);
  Row(1)->ShortageLimit = 0;
  std::vector<uint32_t> rows = host.reportList.RowPointers();
  int32_t count = static_cast<int32_t>(rows.size());
  plugin->reportTableProc(2004, 0, &count, rows.data(), 0, &own, 0, 0, 0, 16, &host.hostFlag);
  plugin->reportTableProc(static_cast<int32_t>(0xFFFF8600), 0, &count, rows.data(), 0, &own, 0, 0, 0, 0,
                          &host.hostFlag);
  EXPECT_EQ(Get(Row(1)->AllowedShortage), 0);  // row B: recalculated with limit 0
  EXPECT_EQ(Get(Row(1)->ExcessQty), -100);
  EXPECT_EQ(host.log.CallsOf(52518).at(0).words[1], 11u);  // row A: the plug-in's own cursor
}

TEST_F(ReportListTest, ARowWithoutAnAddressIsNotTouched) {
  uint32_t rows[] = {0};
  int32_t count = 1;
  PutCursorOn(0);
  for (int32_t event : {2004, static_cast<int32_t>(0xFFFF8600)}) {
    EXPECT_EQ(plugin->reportTableProc(event, 0, &count, rows, 0, &host.reportList.Table(), 0, 0, 0, 16, &host.hostFlag),
              0);
  }
  EXPECT_TRUE(host.log.CallsOf(52518).empty());
}

TEST_F(ReportListTest, FillInAndF4PutThePeriodIntoTheTitle) {
  const std::string title =
      "Ruch towarów z przeliczaniem za okres \x02"
      "01.11.2026-30.11.2026\x01"_mazovia.c_str();
  struct Case {
    int32_t event;
    std::vector<uint16_t> calls;
  };
  const Case cases[] = {
      {2001, {20902, 52462, 21287, 21284, 32008, 32008, 20903}},
      {0x3E00, {20902, 37996, 52462, 21287, 21284, 32008, 32008, 20903}},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.event);
    host.log.Clear();
    EXPECT_EQ(hostsim::RaiseOnReportList(test.event), 0);
    EXPECT_EQ(Ordinals(host.log), test.calls);
    const char* shown = plugin->reportTableDescriptor->title;
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(std::string(shown, title.size() + 1), title + '\0');
    EXPECT_EQ(host.log.CallsOf(52462)[0].words,
              (std::vector<uint32_t>{static_cast<uint32_t>(-1), 6, Word(plugin->periodRecord), 1306}));
  }
}

TEST_F(ReportListTest, TwoRefreshesLeaveExactlyOneTitleBlock) {
  hostsim::RaiseOnReportList(2001);
  const char* first = plugin->reportTableDescriptor->title;
  hostsim::RaiseOnReportList(2001);
  EXPECT_EQ(host.memory.LiveBlocks(), 1u);
  EXPECT_EQ(host.log.CallsOf(21287).back().words, std::vector<uint32_t>{Word(first)});
  EXPECT_EQ(host.memory.ForeignReleases(), 0);
}

TEST_F(ReportListTest, WithoutATitleBlockTheListHasNoTitleRatherThanAStaleOne) {
  hostsim::RaiseOnReportList(2001);
  host.memory.FailAllocation(1);
  host.log.Clear();
  EXPECT_EQ(hostsim::RaiseOnReportList(2001), 0);
  EXPECT_EQ(Get(plugin->reportTableDescriptor->title), nullptr);
  EXPECT_EQ(host.memory.LiveBlocks(), 0u);
  EXPECT_TRUE(host.log.CallsOf(32008).empty());
}

TEST_F(ReportListTest, EveryEventMakesAndDestroysOneReportObjectAndAnswersZero) {
  for (int32_t event : {2004, 2001, 0x3E00, static_cast<int32_t>(0xFFFF8600), 0x8600, 0, 231}) {
    SCOPED_TRACE(event);
    host.log.Clear();
    PutCursorOn(0);
    EXPECT_EQ(hostsim::RaiseOnReportList(event, 16), 0);
    EXPECT_EQ(host.log.CallsOf(20902).size(), 1u);
    EXPECT_EQ(host.log.CallsOf(20903).size(), 1u);
    EXPECT_EQ(host.dialogs.Live(), 0);
  }
}

}  // namespace
}  // namespace report_test
