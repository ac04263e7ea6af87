// Events the simulated host raises on table 127 and on the report list.
#include "hostsim/table_events.h"

#include <vector>

#include "hostsim/host_state.h"

namespace hostsim {
namespace {

uint32_t Word(const void* address) { return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(address)); }

}  // namespace

int32_t PM_HOST_CALL StockTableOwnProcedure(int32_t event, uint32_t arg2, int32_t* recordCountPtr,
                                            uint32_t* rowPointers, uint32_t arg5, TableDescriptor* tableDesc,
                                            uint32_t arg7, uint32_t selector, uint32_t arg9, uint32_t eventArg,
                                            int16_t* hostFlag) {
  HostState& host = Host();
  host.stock.ownProcedureCalls.push_back(
      ProcedureCall{{static_cast<uint32_t>(event), arg2, Word(recordCountPtr), Word(rowPointers), arg5, Word(tableDesc),
                     arg7, selector, arg9, eventArg, Word(hostFlag)},
                    hostFlag != nullptr ? *hostFlag : int16_t{0},
                    host.log.Calls().size()});
  return host.stock.ownProcedureAnswer;
}

int32_t RaiseOnStockTable(int32_t event, uint32_t selector, uint32_t eventArg) {
  HostState& host = Host();
  TableDescriptor& table = host.stock.descriptor;
  host.stock.recordCount = host.stock.RecordCount();
  uint32_t noRows = 0;
  host.raisedArguments = {static_cast<uint32_t>(event),
                          kPassedOnArg2,
                          Word(&host.stock.recordCount),
                          Word(&noRows),
                          kPassedOnArg5,
                          Word(&table),
                          kPassedOnArg7,
                          selector,
                          kPassedOnArg9,
                          eventArg,
                          Word(&host.hostFlag)};
  return table.procedure(event, kPassedOnArg2, &host.stock.recordCount, &noRows, kPassedOnArg5, &table, kPassedOnArg7,
                         selector, kPassedOnArg9, eventArg, &host.hostFlag);
}

int32_t RaiseOnReportList(int32_t event, uint32_t eventArg) {
  HostState& host = Host();
  TableDescriptor& table = host.reportList.Table();
  std::vector<uint32_t> rowPointers = host.reportList.RowPointers();
  int32_t rowCount = static_cast<int32_t>(rowPointers.size());
  if (table.procedure == nullptr) return 0;
  return table.procedure(event, kPassedOnArg2, &rowCount, rowPointers.data(), kPassedOnArg5, &table, kPassedOnArg7, 0,
                         kPassedOnArg9, eventArg, &host.hostFlag);
}

}  // namespace hostsim
