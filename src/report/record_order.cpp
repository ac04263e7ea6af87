// The order of report rows; the order of two index texts is the host's (52431).
#include "report/record_order.h"

#include <cstdint>

#include "host/host_call.h"

namespace {

constexpr int32_t kWholeText = INT32_MAX;

// An empty index sorts before any other; two non-empty ones go by the host's comparison.
int CompareIndexTexts(const char* first, const char* second) {
  const bool firstEmpty = first[0] == '\0';
  const bool secondEmpty = second[0] == '\0';
  if (firstEmpty || secondEmpty) return static_cast<int>(secondEmpty) - static_cast<int>(firstEmpty);
  return host::Call<52431>(first, second, kWholeText);
}

}  // namespace

int CompareRecords(const ReportRecord* first, const ReportRecord* second) {
  if (first->WarehouseNo != second->WarehouseNo) return first->WarehouseNo - second->WarehouseNo;
  if (first->CardRef2 != second->CardRef2) return first->CardRef2 - second->CardRef2;
  return CompareIndexTexts(first->IndexText, second->IndexText);
}
