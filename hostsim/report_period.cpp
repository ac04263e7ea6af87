// The host's stored dates and its report period.
#include "hostsim/report_period.h"

#include <cctype>
#include <cstring>

namespace hostsim {
namespace {

constexpr size_t kStartOffset = 21;
constexpr size_t kEndOffset = 30;

void Store(const std::string& date, unsigned char* destination) {
  std::memset(destination, 0, kStoredDateSize);
  std::memcpy(destination, date.data(), std::min(date.size(), kStoredDateSize - 1));
}

}  // namespace

void ReportPeriod::FillRecord(unsigned char* record, size_t size) const {
  std::memset(record, 0, size);
  if (size < kEndOffset + kStoredDateSize) return;
  Store(start, record + kStartOffset);
  Store(end, record + kEndOffset);
}

std::string DisplayDate(const char* storedDate) {
  for (size_t index = 0; index < kStoredDateSize - 1; ++index) {
    if (!std::isdigit(static_cast<unsigned char>(storedDate[index]))) return "??.??.????";
  }
  const std::string digits(storedDate, kStoredDateSize - 1);
  return digits.substr(6, 2) + "." + digits.substr(4, 2) + "." + digits.substr(0, 4);
}

}  // namespace hostsim
