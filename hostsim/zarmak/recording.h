// How a service of the simulated host writes its call into the call log.
#pragma once

#include <cstdint>
#include <cstring>
#include <type_traits>
#include <utility>
#include <vector>

#include "hostsim/host_state.h"

namespace hostsim {

template <class Argument>
void AppendWords(std::vector<uint32_t>& words, Argument argument) {
  if constexpr (std::is_floating_point_v<Argument>) {
    const double value = argument;
    uint32_t halves[2];
    std::memcpy(halves, &value, sizeof halves);
    words.insert(words.end(), {halves[0], halves[1]});
  } else if constexpr (std::is_pointer_v<Argument>) {
    words.push_back(static_cast<uint32_t>(reinterpret_cast<uintptr_t>(argument)));
  } else {
    words.push_back(static_cast<uint32_t>(argument));
  }
}

template <class... Arguments>
void Record(uint16_t ordinal, Arguments... arguments) {
  std::vector<uint32_t> words;
  (AppendWords(words, arguments), ...);
  Host().log.Record(ordinal, std::move(words));
}

// A service that only notes its call and answers zero.
template <class... Arguments>
int32_t Recorded(uint16_t ordinal, Arguments... arguments) {
  Record(ordinal, arguments...);
  return 0;
}

}  // namespace hostsim
