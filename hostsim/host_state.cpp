// The simulated host's state.
#include "hostsim/host_state.h"

#include <utility>

namespace hostsim {

void CallLog::Record(uint16_t ordinal, std::vector<uint32_t> words) {
  calls_.push_back(LoggedCall{ordinal, std::move(words)});
}

std::vector<LoggedCall> CallLog::CallsOf(uint16_t ordinal) const {
  std::vector<LoggedCall> found;
  for (const LoggedCall& call : calls_) {
    if (call.ordinal == ordinal) found.push_back(call);
  }
  return found;
}

HostState& Host() {
  static HostState state;
  return state;
}

void ResetHost() { Host() = HostState{}; }

}  // namespace hostsim
