// The simulated host's report period and stored dates.
#include "hostsim/report_period.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(ReportPeriod, TheRecordHoldsBothStoredDatesAtTheirOffsets) {
  hostsim::ReportPeriod period{"20240301", "20240331"};
  std::vector<unsigned char> record(1306, 0xEE);
  period.FillRecord(record.data(), record.size());
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&record[21])), "20240301");
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&record[30])), "20240331");
  EXPECT_EQ(record[20], 0);
  EXPECT_EQ(record[1305], 0);
}

TEST(ReportPeriod, AStoredDateShowsAsDayMonthYear) {
  EXPECT_EQ(hostsim::DisplayDate("20240301"), "01.03.2024");
  EXPECT_EQ(hostsim::DisplayDate("2024031"), "??.??.????");
  EXPECT_EQ(hostsim::DisplayDate(""), "??.??.????");
}

}  // namespace
