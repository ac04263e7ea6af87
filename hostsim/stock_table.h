// The host's table 127: its descriptor, its records and the loading of a record (52286).
#pragma once

#include <cstdint>
#include <vector>

#include "host/table_records.h"
#include "hostsim/api.h"
#include "hostsim/stock_record.h"
#include "hostsim/table_events.h"

namespace hostsim {

class HOSTSIM_API StockTable {
 public:
  static constexpr int32_t kTable = 127;

  StockTable();
  StockTable(const StockTable&) = delete;
  StockTable& operator=(const StockTable&) = delete;

  // recordSize is the test's to choose; recordBuffer always holds a whole record.
  TableDescriptor descriptor{};
  std::vector<StockRecord> records;
  int32_t stopAt = -1;      // the load of this record number answers zero
  int32_t recordCount = 0;  // what an event's record-count argument points at

  // The table's own procedure (the descriptor's until a hook replaces it) notes its calls here.
  std::vector<ProcedureCall> ownProcedureCalls;
  int32_t ownProcedureAnswer = 127;

  // Copies the record into the descriptor's record buffer; zero ends the caller's walk (the
  // record at stopAt, or a number outside the table).
  int32_t Load(int32_t recordNo, const TableDescriptor* table);
  const std::vector<int32_t>& LoadedRecords() const { return loaded_; }
  int32_t RecordCount() const { return static_cast<int32_t>(records.size()); }

 private:
  StockRecord::Bytes buffer_{};
  std::vector<int32_t> loaded_;
};

}  // namespace hostsim
