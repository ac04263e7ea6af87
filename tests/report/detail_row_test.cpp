// DodajRekord: a detail row from a table-127 record, and the line store it grows.
#include <climits>

#include "report_fixture.h"
#include "text/mazovia.h"

namespace report_test {
namespace {

using hostsim::StockQuantity;
using hostsim::StockRecord;
using hostsim::StockText;

class DetailRowTest : public ReportTest {
 protected:
  int32_t Add(const StockRecord& record, int32_t step) {
    return plugin->dodajRekord(report.get(), reinterpret_cast<const SourceRecord*>(record.bytes().data()), step);
  }
  ReportRecord Row(int32_t index) { return report->Records[index]; }

  // The store is the plug-in's to release; the test gives the block back to the host.
  void TearDown() override { host.memory.Release(report->Records); }

  ReportObject report{*plugin};
};

StockRecord Qualifying() { return StockRecord().Cards(1, 1); }

TEST_F(DetailRowTest, EveryFieldComesFromItsOwnSourceOffset) {
  const std::string name(120, 'N');
  const StockRecord record = StockRecord()
                                 .Text(StockText::WarehouseCode, "MAGAZYN-GLOWNY16")
                                 .Text(StockText::ItemName, name.c_str())
                                 .Text(StockText::Index, "123")
                                 .Text(StockText::ExtraText, "EXTRA-TEXT-LONGER-THAN-25-BYTES")
                                 .Quantity(StockQuantity::At174, 1001)
                                 .Quantity(StockQuantity::At178, 1002)
                                 .Quantity(StockQuantity::At182, 1003)
                                 .Quantity(StockQuantity::At186, 1004)
                                 .Quantity(StockQuantity::At190, 1005)
                                 .Quantity(StockQuantity::At194, 1006)
                                 .Quantity(StockQuantity::Shortage, 1007)
                                 .Quantity(StockQuantity::At278, 1008)
                                 .Quantity(StockQuantity::At282, 1009)
                                 .Quantity(StockQuantity::At286, 1010)
                                 .Price(12.3456)
                                 .Warehouse(-7)
                                 .Cards(11, -12);
  ASSERT_EQ(Add(record, 1), 1);
  const ReportRecord row = Row(0);

  EXPECT_EQ(Get(row.Reserved), 0);
  EXPECT_EQ(std::string(row.WarehouseCode), "MAGAZYN-GLOWNY16");
  EXPECT_EQ(std::string(row.ItemName), name);
  EXPECT_EQ(std::string(row.IndexText), "00123");
  EXPECT_EQ(Get(row.Qty1), 1001);
  EXPECT_EQ(Get(row.Qty2), 1005);
  EXPECT_EQ(Get(row.Qty3), 1003);
  EXPECT_EQ(Get(row.Qty4), 1004);
  EXPECT_EQ(Get(row.Qty5), 1006);
  EXPECT_EQ(Get(row.ShortageQty), 1007);
  EXPECT_EQ(Get(row.GrossPrice), 12.35);
  EXPECT_EQ(Get(row.Qty7), 1009);
  EXPECT_EQ(Get(row.Qty8), 1008);
  EXPECT_EQ(Get(row.Qty9), 1010);
  EXPECT_EQ(Get(row.WarehouseNo), -7);
  EXPECT_EQ(std::string(row.ExtraText), "EXTRA-TEXT-LONGER-THAN-25");  // cut to its 25 characters
  EXPECT_EQ(reinterpret_cast<const uint8_t*>(&row)[256], 0);
  EXPECT_EQ(Get(row.CardRef1), 11);
  EXPECT_EQ(Get(row.CardRef2), -12);
  EXPECT_EQ(Get(row.ShortageLimit), 500);
  // The figures follow from the row: (1003 + 1008) * 0.005 and the shortage at 12.35.
  EXPECT_EQ(Get(row.AllowedShortage), 10);
  EXPECT_EQ(Get(row.ExcessQty), 1017);
  EXPECT_DOUBLE_EQ(Get(row.ShortageValue), 12.44);
  EXPECT_DOUBLE_EQ(Get(row.ExcessValue), 12.56);
}

TEST_F(DetailRowTest, IndexTextBecomesAZeroPaddedNumberOnlyWhenTheWholeTextIsANonZeroNumber) {
  struct Case {
    const char* source;
    const char* index;
  };
  const Case cases[] = {
      {"42", "00042"},
      {"00042", "00042"},
      {"123456", "123456"},
      {"-7", "-0007"},
      {" 42", "00042"},
      {"\t\n+42", "00042"},
      {"-1234", "-1234"},
      {"-12345", "-12345"},
      {"9999999999999999", "9999999999999999"},  // the most digits the field holds
      {"-999999999999999", "-999999999999999"},
      {"0000000000000042", "00042"},
      {"42 ", ""},
      {"12A", ""},
      {"0", ""},
      {"-0", ""},
      {"", ""},
      {" ", ""},
      {"-", ""},
      {"+-5", ""},
      {"- 5", ""},
      {"12345678901234567", ""},  // runs past its 17-byte field: no terminator inside it
  };
  for (const Case& c : cases) {
    ASSERT_EQ(Add(Qualifying().Text(StockText::Index, c.source), 1), 1);
    EXPECT_EQ(std::string(Row(report->RecordCount - 1).IndexText), c.index) << "source \"" << c.source << "\"";
  }
}

TEST_F(DetailRowTest, FirstRowTakesABlockOfStepRowsAndTheStoreGrowsByTheStepWhenFull) {
  ASSERT_EQ(Add(Qualifying().Quantity(StockQuantity::Shortage, -1), 40), 1);
  std::vector<hostsim::LoggedCall> resizes = host.log.CallsOf(21281);
  ASSERT_EQ(resizes.size(), 1u);
  EXPECT_EQ(resizes[0].words[0], static_cast<uint32_t>(reinterpret_cast<uintptr_t>(&report->Records)));
  EXPECT_EQ(resizes[0].words[1], 40u * 261u);
  EXPECT_EQ(report->RecordCapacity, 40);
  EXPECT_EQ(report->RecordCount, 1);

  for (int32_t row = 1; row < 40; ++row) ASSERT_EQ(Add(Qualifying(), 40), 1);
  EXPECT_EQ(host.log.CallsOf(21281).size(), 1u);
  ASSERT_EQ(Add(Qualifying(), 40), 1);
  resizes = host.log.CallsOf(21281);
  ASSERT_EQ(resizes.size(), 2u);
  EXPECT_EQ(resizes[1].words[1], 80u * 261u);
  EXPECT_EQ(report->RecordCapacity, 80);
  EXPECT_EQ(report->RecordCount, 41);
  EXPECT_EQ(Get(Row(0).ShortageQty), -1) << "the first row did not survive the resize";
  EXPECT_EQ(host.memory.LiveBlocks(), 1u);
  EXPECT_EQ(host.memory.LiveBytes(), 80u * 261u);
}

TEST_F(DetailRowTest, FailedResizeTellsTheUserAndKeepsTheStoreAsItWas) {
  ASSERT_EQ(Add(Qualifying().Quantity(StockQuantity::Shortage, -1), 1), 1);
  const ReportRecord* const block = report->Records;
  host.memory.FailAllocation(1);

  EXPECT_EQ(Add(Qualifying().Quantity(StockQuantity::Shortage, -2), 1), 0);
  ASSERT_EQ(host.errorMessages.size(), 1u);
  EXPECT_EQ(host.errorMessages[0].title,
            "B\x92\x86"
            "d");  // Mazovia ł, ą
  EXPECT_EQ(host.errorMessages[0].text,
            "B\x92\x86"
            "d podczas alokowania pami\x91"
            "ci w DodajRekord!\nOperacja niekompletna!");
  EXPECT_EQ(host.errorMessages[0].kind, 1);
  EXPECT_EQ(report->Records, block);
  EXPECT_EQ(report->RecordCount, 1);
  EXPECT_EQ(report->RecordCapacity, 1);
  EXPECT_EQ(Get(Row(0).ShortageQty), -1);

  EXPECT_EQ(Add(Qualifying().Quantity(StockQuantity::Shortage, -3), 1), 1);  // the next attempt grows again
  EXPECT_EQ(report->RecordCount, 2);
  EXPECT_EQ(Get(Row(1).ShortageQty), -3);
  EXPECT_EQ(host.errorMessages.size(), 1u);
}

// A block size beyond 32 bits is an allocation failure, not a wrapped request.
TEST_F(DetailRowTest, StepWhoseBlockSizeLeaves32BitsFailsWithoutAskingTheHost) {
  const int32_t steps[] = {INT32_MAX / 261 + 1, INT32_MAX};
  for (const int32_t step : steps) {
    EXPECT_EQ(Add(Qualifying(), step), 0) << "step " << step;
  }
  EXPECT_TRUE(host.log.CallsOf(21281).empty());
  EXPECT_EQ(host.errorMessages.size(), 2u);
  EXPECT_EQ(report->Records, nullptr);
  EXPECT_EQ(report->RecordCapacity, 0);
}

}  // namespace
}  // namespace report_test
