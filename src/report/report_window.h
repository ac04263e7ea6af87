// The report's two table procedures: Table127Proc builds and shows the report on event 231;
// ReportTableProc answers the report list's events while it is open.
#pragma once

#include <cstddef>
#include <cstdint>

#include "host/calling_conventions.h"
#include "host/key_codes.h"
#include "host/table_records.h"
#include "report/report_record.h"

namespace report {

// Host events and keys as table procedures receive them (keys sign-extended to 32 bits).
inline constexpr int32_t kEventBuildReport = 231;
inline constexpr int32_t kEventFillIn = 2001;
inline constexpr int32_t kEventFieldChanged = 2004;
inline constexpr int32_t kEventKeyF4 = static_cast<int16_t>(host::kKeyF4);
inline constexpr int32_t kEventKeyF12 = static_cast<int16_t>(host::kKeyF12);
// The one column the user edits: its field number arrives with event 2004.
inline constexpr uint16_t kShortageLimitField = 16;

inline constexpr size_t kPeriodRecordSize = 1306;
inline constexpr size_t kPeriodStartOffset = 21;
inline constexpr size_t kPeriodEndOffset = 30;

// The procedure table 127 had before Table127Proc took its place; null until the hook.
extern TableProc previousTable127Proc;
// Filled by the host (52462) before every period title.
extern uint8_t periodRecord[kPeriodRecordSize];

int32_t PM_HOST_CALL Table127Proc(int32_t event, uint32_t arg2, int32_t* recordCountPtr, uint32_t* rowPointers,
                                  uint32_t arg5, TableDescriptor* tableDesc, uint32_t arg7, uint32_t selector,
                                  uint32_t arg9, uint32_t eventArg, int16_t* hostFlag);

int32_t PM_HOST_CALL ReportTableProc(int32_t event, uint32_t arg2, int32_t* recordCountPtr, uint32_t* rowPointers,
                                     uint32_t arg5, TableDescriptor* tableDesc, uint32_t arg7, uint32_t selector,
                                     uint32_t arg9, uint32_t eventArg, int16_t* hostFlag);

// Puts "Ruch towarów z przeliczaniem za okres <start>-<end>" into the table's title block.
void RefreshPeriodTitle(TableDescriptor* table);

// The row under the cursor: rowPointers[cursorRow - topRow + topRecord], or null when that index
// lies outside the rowCount rows of the list or its pointer is null.
ReportRecord* CurrentRow(const TableDescriptor& positions, const uint32_t* rowPointers, const int32_t* rowCount);

}  // namespace report
