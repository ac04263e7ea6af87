// The report period and dates: 52462 fills the period record, 32008 shows a stored date.
#include <cstring>

#include "hostsim/report_period.h"
#include "hostsim/zarmak/recording.h"
#include "hostsim/zarmak/service_declarations.h"

using hostsim::Host;
using hostsim::Record;

extern "C" {

int32_t ZARMAK_ordinal_52462(int32_t which, int32_t kind, void* record, int32_t size) {
  Record(52462, which, kind, record, size);
  if (record != nullptr && size > 0) Host().period.FillRecord(static_cast<unsigned char*>(record), size);
  return 1;
}

// The destination holds 12 bytes: at most 11 characters and the NUL.
int32_t ZARMAK_ordinal_32008(char* destination, const void* storedDate) {
  Record(32008, destination, storedDate);
  const std::string shown = hostsim::DisplayDate(static_cast<const char*>(storedDate));
  const size_t length = std::min<size_t>(shown.size(), 11);
  std::memcpy(destination, shown.data(), length);
  destination[length] = '\0';
  return static_cast<int32_t>(length);
}

}  // extern "C"
