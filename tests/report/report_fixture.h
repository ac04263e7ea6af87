// What the report tests share: a fresh plug-in and host, a report object in test memory, and
// readers for packed fields and list rows.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "hostsim/host_state.h"
#include "report/report_object.h"
#include "support/plugin_under_test.h"

namespace report_test {

// A packed field by value: GoogleTest would bind it by reference at a misaligned address.
template <class Value>
Value Get(Value value) {
  return value;
}

// A CRaportRozchodow made and destroyed by the plug-in in memory of the test's.
class ReportObject {
 public:
  explicit ReportObject(const PluginInternals& plugin) : plugin_(plugin) { plugin_.constructReport(storage_); }
  ~ReportObject() { plugin_.destroyReport(get()); }
  ReportObject(const ReportObject&) = delete;
  ReportObject& operator=(const ReportObject&) = delete;

  CRaportRozchodow* get() { return reinterpret_cast<CRaportRozchodow*>(storage_); }
  CRaportRozchodow* operator->() { return get(); }

 private:
  const PluginInternals& plugin_;
  alignas(8) unsigned char storage_[sizeof(CRaportRozchodow)];
};

class ReportTest : public ::testing::Test {
 protected:
  // The log starts after the load, whose own calls (the header texts) are not the report's.
  ReportTest() { host.log.Clear(); }

  // Runs a whole report over table 127's records, as event 231 does, and checks that the run
  // left no host memory, no list object and a report object with an empty store.
  void RunReport(uint32_t selector = 0x5E1EC7) {
    const int32_t recordCount = host.stock.RecordCount();
    {
      ReportObject report(*plugin);
      EXPECT_EQ(plugin->collectRecords(report.get(), &host.stock.descriptor, selector, &recordCount), 1);
      EXPECT_EQ(report->Records, nullptr);
      EXPECT_EQ(report->RecordCount, 0);
      EXPECT_EQ(report->RecordCapacity, 0);
    }
    EXPECT_EQ(host.memory.LiveBlocks(), 0u);
    EXPECT_EQ(host.memory.ForeignReleases(), 0);
    EXPECT_EQ(host.reportList.LiveObjects(), 0u);
  }

  ReportRecord ListRow(size_t index) const {
    ReportRecord row;
    std::memcpy(&row, host.reportList.Rows().at(index).data(), sizeof row);
    return row;
  }

  PluginUnderTest plugin;
  hostsim::HostState& host = hostsim::Host();  // after the plug-in's session has reset it
};

}  // namespace report_test
