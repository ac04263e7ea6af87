// The host raising events on its tables, as it does while they are in use: the table's
// procedure receives all eleven arguments. Positions a procedure only passes on carry marker
// values, so that a test sees them arrive unchanged.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "host/table_records.h"
#include "hostsim/api.h"

namespace hostsim {

inline constexpr uint32_t kPassedOnArg2 = 0xA2000002;
inline constexpr uint32_t kPassedOnArg5 = 0xA5000005;
inline constexpr uint32_t kPassedOnArg7 = 0xA7000007;
inline constexpr uint32_t kPassedOnArg9 = 0xA9000009;

// A call of table 127's own procedure, as the host's procedure saw it.
struct ProcedureCall {
  std::array<uint32_t, 11> arguments;
  int16_t hostFlag;     // the value at the hostFlag argument
  size_t loggedBefore;  // host service calls logged before it
};

// The host's own procedure of table 127: notes the call and answers ownProcedureAnswer.
int32_t PM_HOST_CALL StockTableOwnProcedure(int32_t event, uint32_t arg2, int32_t* recordCountPtr,
                                            uint32_t* rowPointers, uint32_t arg5, TableDescriptor* tableDesc,
                                            uint32_t arg7, uint32_t selector, uint32_t arg9, uint32_t eventArg,
                                            int16_t* hostFlag);

// An event on table 127, through whatever procedure its descriptor now holds.
HOSTSIM_API int32_t RaiseOnStockTable(int32_t event, uint32_t selector = 0, uint32_t eventArg = 0);

// An event on the open report list: its rows' addresses, their count, the table it shows.
HOSTSIM_API int32_t RaiseOnReportList(int32_t event, uint32_t eventArg = 0);

}  // namespace hostsim
