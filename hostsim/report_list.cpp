// Table 4111's list in the simulated host.
#include "hostsim/report_list.h"

namespace hostsim {
namespace {
constexpr int32_t kFirstHandle = 0x4111;
}

ReportList::ReportList() {
  descriptor.tableId = kTable;
  descriptor.recordSize = static_cast<int16_t>(kRowSize);
  descriptor.recordBuffer = buffer_.data();
}

void ReportList::Adopt(TableDescriptor* owners) {
  adopted_ = owners;
  if (owners != nullptr) owners->recordBuffer = buffer_.data();
}

HostList* ReportList::MakeObject(void* view, const void* callback) {
  const int32_t handle = kFirstHandle + static_cast<int32_t>(objects_.size());
  return &objects_.emplace_back(HostList{handle, view, callback, true});
}

void ReportList::DestroyObject(HostList* object) {
  if (object != nullptr) object->live = false;
}

size_t ReportList::LiveObjects() const {
  size_t live = 0;
  for (const HostList& object : objects_) live += object.live;
  return live;
}

void ReportList::AppendFromBuffer(int32_t* cursor) {
  rows_.push_back(buffer_);
  *cursor = static_cast<int32_t>(rows_.size()) - 1;
}

std::vector<uint32_t> ReportList::RowPointers() {
  std::vector<uint32_t> pointers;
  for (Row& row : rows_) pointers.push_back(static_cast<uint32_t>(reinterpret_cast<uintptr_t>(row.data())));
  return pointers;
}

std::vector<std::vector<uint8_t>> ReportList::RowBytes() const {
  std::vector<std::vector<uint8_t>> bytes;
  for (const Row& row : rows_) bytes.emplace_back(row.begin(), row.end());
  return bytes;
}

}  // namespace hostsim
