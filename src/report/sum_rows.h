// The sum row of a warehouse and the grand-total row: their labels and the summed figures.
#pragma once

#include <cstdint>

#include "report/report_record.h"

// Adds the row's ten summable figures into the sum record; the other fields stay. Returns 0.
int32_t AddToSum(ReportRecord* sum, const ReportRecord* row);

namespace report {

// Zero-fills the row and writes the labels of an open warehouse group's sum row.
void StartSumRow(ReportRecord& sum, int16_t warehouseNo);
// Labels a closed group's sum row with the warehouse's name, or the dashes when it has none.
void NameSumRow(ReportRecord& sum);
// Zero-fills the row and writes the grand-total labels.
void StartTotalRow(ReportRecord& total);

}  // namespace report
