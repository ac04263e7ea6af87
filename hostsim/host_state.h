// What the simulated host keeps between calls: the call log and the state its services own.
#pragma once

#include <cstdint>
#include <vector>

#include "host/table_records.h"
#include "hostsim/api.h"
#include "hostsim/host_texts.h"

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

struct HOSTSIM_API HostState {
  CallLog log;
  int32_t featureAnswer = 0;  // what the feature query (export 30006) answers
  GxRpcCtx* contextChainHead = nullptr;
  GlobalProc globalProcedure = nullptr;
  HostTexts texts;
};

// The one host of the process; every session starts it afresh.
HOSTSIM_API HostState& Host();
HOSTSIM_API void ResetHost();

}  // namespace hostsim
