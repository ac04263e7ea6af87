// Table 4111, the report's own table, as the host hands it out (51425).
#pragma once

#include <cstdint>

#include "host/host_call.h"
#include "host/table_records.h"

namespace report {

inline constexpr int32_t kReportTable = 4111;

// The host fills in the table's descriptor and its 260-byte text, which later calls hand back
// by address: the object stays where it was made.
struct ReportTable {
  ReportTable() { host::Call<51425>(kReportTable, &descriptor, text, 0); }
  ReportTable(const ReportTable&) = delete;
  ReportTable& operator=(const ReportTable&) = delete;

  TableDescriptor* descriptor = nullptr;
  char text[260] = {};
};

}  // namespace report
