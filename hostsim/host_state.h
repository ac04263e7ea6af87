// What the simulated host keeps between calls: the call log and the state its services own.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "host/table_records.h"
#include "hostsim/api.h"
#include "hostsim/dialog_objects.h"
#include "hostsim/host_memory.h"
#include "hostsim/host_texts.h"
#include "hostsim/list_view.h"
#include "hostsim/report_list.h"
#include "hostsim/report_period.h"
#include "hostsim/stock_table.h"

struct GxRpcCtx;

namespace hostsim {

struct LoggedCall {
  uint16_t ordinal;
  std::vector<uint32_t> words;  // the arguments as 32-bit words, in order; a double takes two
};

class HOSTSIM_API CallLog {
 public:
  void Record(uint16_t ordinal, std::vector<uint32_t> words);
  const std::vector<LoggedCall>& Calls() const { return calls_; }
  std::vector<LoggedCall> CallsOf(uint16_t ordinal) const;
  void Clear() { calls_.clear(); }

 private:
  std::vector<LoggedCall> calls_;
};

// An error message shown with a title (52028).
struct ErrorMessage {
  std::string title;  // Mazovia, as the plug-in gave it
  std::string text;
  int32_t kind;
};

// Not copyable: its tables hold addresses of their own buffers.
struct HOSTSIM_API HostState {
  CallLog log;
  int32_t featureAnswer = 0;  // what the feature query (export 30006) answers
  GxRpcCtx* contextChainHead = nullptr;
  GlobalProc globalProcedure = nullptr;
  const uint8_t* handedFormBlock = nullptr;  // what the plug-in gave 34504
  ReportPeriod period;

  HostMemory memory;
  DialogObjects dialogs;
  StockTable stock;                               // table 127
  ReportList reportList;                          // table 4111
  std::map<int16_t, std::string> warehouseNames;  // Mazovia, by warehouse number (52451)
  std::vector<ErrorMessage> errorMessages;
  HostTexts texts;
  int16_t hostFlag = 0;                        // the flag whose address table events carry
  std::array<uint32_t, 11> raisedArguments{};  // of the last event raised on table 127
  std::vector<ListView> listsShown;            // what a person saw each time a list appeared (52092)

  // Lays out a table's list from its descriptor, the rows the host holds and its texts.
  void ShowList(const TableDescriptor& table);
  // The Mazovia text of a host text number; empty when the host has none.
  std::string TextOf(uint16_t number) const;
};

// The one host of the process; every session starts it afresh.
HOSTSIM_API HostState& Host();
HOSTSIM_API void ResetHost();

}  // namespace hostsim
