// A record of the host's table 127 (a stock movement), built field by field for a test.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "hostsim/api.h"

namespace hostsim {

// The host's layout of the fields a report reads: byte offsets in the 516-byte record.
enum class StockText : uint16_t { WarehouseCode = 2, ItemName = 19, Index = 157, ExtraText = 386 };
enum class StockQuantity : uint16_t {
  At174 = 174,
  At178 = 178,
  At182 = 182,
  At186 = 186,
  At190 = 190,
  At194 = 194,
  Shortage = 198,
  At278 = 278,
  At282 = 282,
  At286 = 286,
};

class HOSTSIM_API StockRecord {
 public:
  static constexpr size_t kSize = 516;
  using Bytes = std::array<uint8_t, kSize>;

  // The text's bytes, NUL-terminated, exactly as given (no limit: a test may overrun a field).
  StockRecord& Text(StockText field, const char* text);
  StockRecord& Quantity(StockQuantity field, int32_t value);
  StockRecord& Price(double value);                   // at 374
  StockRecord& Warehouse(int16_t number);             // at 370
  StockRecord& Cards(int16_t first, int16_t second);  // at 512 and 514; the first non-zero qualifies

  const Bytes& bytes() const { return bytes_; }

 private:
  template <class Value>
  StockRecord& Put(size_t offset, Value value);

  Bytes bytes_{};
};

}  // namespace hostsim
