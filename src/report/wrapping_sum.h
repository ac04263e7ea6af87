// 32-bit sums of report figures: they wrap as two's complement, as the host's own sums do.
#pragma once

#include <cstdint>

namespace report {

constexpr int32_t WrappingAdd(int32_t first, int32_t second) {
  return static_cast<int32_t>(static_cast<uint32_t>(first) + static_cast<uint32_t>(second));
}

}  // namespace report
