// Writing the fields of a table-127 record.
#include "hostsim/stock_record.h"

#include <cstring>

namespace hostsim {

template <class Value>
StockRecord& StockRecord::Put(size_t offset, Value value) {
  std::memcpy(bytes_.data() + offset, &value, sizeof value);
  return *this;
}

StockRecord& StockRecord::Text(StockText field, const char* text) {
  const size_t offset = static_cast<size_t>(field);
  std::memcpy(bytes_.data() + offset, text, std::strlen(text) + 1);
  return *this;
}

StockRecord& StockRecord::Quantity(StockQuantity field, int32_t value) {
  return Put(static_cast<size_t>(field), value);
}
StockRecord& StockRecord::Price(double value) { return Put(374, value); }
StockRecord& StockRecord::Warehouse(int16_t number) { return Put(370, number); }
StockRecord& StockRecord::Cards(int16_t first, int16_t second) { return Put(512, first).Put(514, second); }

}  // namespace hostsim
