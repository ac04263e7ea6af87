// The host's side of table 4111: its descriptor, the list objects, and the rows of its list as
// the host's own copies, at addresses that stay put while the list lives.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

#include "host/table_records.h"
#include "hostsim/api.h"

// A list object of the host (22562 makes it, 22563 destroys it).
struct HostList {
  int32_t handle;
  void* view;
  const void* callback;
  bool live;
};

namespace hostsim {

// The table's text that 51425 fills in and that the view and the report list are given.
inline constexpr char kReportTableText[] = "TABELA 4111";

class HOSTSIM_API ReportList {
 public:
  static constexpr int32_t kTable = 4111;
  static constexpr size_t kRowSize = 261;
  using Row = std::array<uint8_t, kRowSize>;

  ReportList();
  ReportList(const ReportList&) = delete;
  ReportList& operator=(const ReportList&) = delete;

  TableDescriptor descriptor{};  // the host's own, until the table's owner hands over one
  bool usable = true;            // what 22566 answers

  // The owner's descriptor (34199) becomes the table's; the host keeps its record buffer in it.
  void Adopt(TableDescriptor* owners);
  TableDescriptor& Table() { return adopted_ != nullptr ? *adopted_ : descriptor; }

  HostList* MakeObject(void* view, const void* callback);
  void DestroyObject(HostList* object);
  size_t LiveObjects() const;

  void Clear() { rows_.clear(); }
  // Appends a copy of the record buffer as the next row and moves the cursor onto it.
  void AppendFromBuffer(int32_t* cursor);
  const std::deque<Row>& Rows() const { return rows_; }
  // The rows as a table procedure receives them: one address per row.
  std::vector<uint32_t> RowPointers();
  std::vector<std::vector<uint8_t>> RowBytes() const;

 private:
  TableDescriptor* adopted_ = nullptr;
  Row buffer_{};
  std::deque<HostList> objects_;
  std::deque<Row> rows_;
};

}  // namespace hostsim
