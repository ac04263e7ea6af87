// CompareRecords: the order of report rows (warehouse, second card reference, index text).
#pragma once

#include "report/report_record.h"

// Negative, zero or positive as the first row sorts before, with or after the second.
int CompareRecords(const ReportRecord* first, const ReportRecord* second);
