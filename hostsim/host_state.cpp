// The simulated host's state.
#include "hostsim/host_state.h"

#include <memory>
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

std::string HostState::TextOf(uint16_t number) const {
  const std::string* text = texts.Find(number);
  return text != nullptr ? *text : std::string();
}

void HostState::ShowList(const TableDescriptor& table) {
  listsShown.push_back(LayOutList(
      table, reportList.RowBytes(), [this](uint16_t number) { return TextOf(number); }, handedFormBlock));
}

namespace {
std::unique_ptr<HostState>& Instance() {
  static std::unique_ptr<HostState> state = std::make_unique<HostState>();
  return state;
}
}  // namespace

HostState& Host() { return *Instance(); }

void ResetHost() { Instance() = std::make_unique<HostState>(); }

}  // namespace hostsim
