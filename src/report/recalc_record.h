// RecalcRecord: a row's shortage value, allowance and the shortage beyond the allowance.
#pragma once

#include <cstdint>

#include "report/report_record.h"

// Recomputes the figures of one row in place from its price, quantities and limit; a limit
// outside 0..2000 becomes the default 500 first. Returns 0.
int32_t RecalcRecord(ReportRecord* row);

namespace report {
inline constexpr int32_t kDefaultShortageLimit = 500;  // 0.5 %
}
