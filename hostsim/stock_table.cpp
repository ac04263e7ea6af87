// Table 127 of the simulated host.
#include "hostsim/stock_table.h"

#include <cstring>

namespace hostsim {

StockTable::StockTable() {
  descriptor.tableId = kTable;
  descriptor.recordSize = static_cast<int16_t>(StockRecord::kSize);
  descriptor.recordBuffer = buffer_.data();
  descriptor.procedure = &StockTableOwnProcedure;
}

int32_t StockTable::Load(int32_t recordNo, const TableDescriptor* table) {
  loaded_.push_back(recordNo);
  if (recordNo < 0 || recordNo >= RecordCount()) return 0;
  const StockRecord::Bytes& record = records[static_cast<size_t>(recordNo)].bytes();
  std::memcpy(table->recordBuffer, record.data(), record.size());
  return recordNo == stopAt ? 0 : 1;
}

}  // namespace hostsim
