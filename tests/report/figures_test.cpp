// RecalcRecord: the shortage value, the allowance from the limit and the shortage beyond it.
#include "report_fixture.h"

namespace report_test {
namespace {

using FiguresTest = ReportTest;

struct Case {
  const char* name;
  int32_t shortageQty;
  double grossPrice;
  int32_t qty3;
  int32_t qty8;
  int32_t limit;
  // expected
  double shortageValue;
  int32_t limitAfter;
  int32_t allowedShortage;
  int32_t excessQty;
  double excessValue;
};

// 2.5 kg short at 8.40 zł over an allowance base of 300 kg.
const Case kCases[] = {
    {"worked example", -2500, 8.40, 100000, 200000, 500, -21.00, 500, 1500, -1000, -8.40},
    {"limit 0", -2500, 8.40, 100000, 200000, 0, -21.00, 0, 0, -2500, -21.00},
    {"limit 2000", -2500, 8.40, 100000, 200000, 2000, -21.00, 2000, 6000, 3500, 29.40},
    {"limit -1", -2500, 8.40, 100000, 200000, -1, -21.00, 500, 1500, -1000, -8.40},
    {"limit 2001", -2500, 8.40, 100000, 200000, 2001, -21.00, 500, 1500, -1000, -8.40},
    {"zero price", -2500, 0.0, 100000, 200000, 500, 0.0, 500, 1500, -1000, 0.0},
    {"half a grosz rounds away from zero", -1, 5.0, 0, 0, 500, -0.01, 500, 0, -1, -0.01},
    {"allowance rounds to whole units", 0, 1.0, 100, 0, 500, 0.0, 500, 1, 1, 0.0},  // 0.5 -> 1
};

TEST_F(FiguresTest, RecalcRecordComputesTheFiguresAndWritesNothingElse) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    ReportRecord row;
    std::memset(&row, 0x5C, sizeof row);  // every other field must keep this
    row.ShortageQty = c.shortageQty;
    row.GrossPrice = c.grossPrice;
    row.Qty3 = c.qty3;
    row.Qty8 = c.qty8;
    row.ShortageLimit = c.limit;
    ReportRecord expected = row;
    expected.ShortageLimit = c.limitAfter;
    expected.AllowedShortage = c.allowedShortage;
    expected.ExcessQty = c.excessQty;

    EXPECT_EQ(plugin->recalcRecord(&row), 0);
    EXPECT_DOUBLE_EQ(Get(row.ShortageValue), c.shortageValue);
    EXPECT_DOUBLE_EQ(Get(row.ExcessValue), c.excessValue);
    expected.ShortageValue = row.ShortageValue;
    expected.ExcessValue = row.ExcessValue;
    EXPECT_EQ(Get(row.ShortageLimit), c.limitAfter);
    EXPECT_EQ(Get(row.AllowedShortage), c.allowedShortage);
    EXPECT_EQ(Get(row.ExcessQty), c.excessQty);
    EXPECT_EQ(std::memcmp(&row, &expected, sizeof row), 0) << "a field outside the figures changed";
  }
}

// The money figures are the host's rounding (52179) of the products, at hundredths.
TEST_F(FiguresTest, MoneyIsRoundedByTheHostAtHundredthsAndTheAllowanceAtWholeUnits) {
  ReportRecord row{};
  row.ShortageQty = -2500;
  row.GrossPrice = 8.40;
  row.Qty3 = 100000;
  row.Qty8 = 200000;
  row.ShortageLimit = 500;
  host.log.Clear();
  plugin->recalcRecord(&row);
  const std::vector<hostsim::LoggedCall> rounding = host.log.CallsOf(52179);
  ASSERT_EQ(rounding.size(), 3u);
  const uint32_t precisions[] = {100, 1, 100};
  for (size_t call = 0; call < 3; ++call) EXPECT_EQ(rounding[call].words.at(2), precisions[call]) << "call " << call;
  EXPECT_EQ(host.log.Calls().size(), 3u);
}

}  // namespace
}  // namespace report_test
