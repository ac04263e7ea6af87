// Texts and numbers: the bounded copy, the comparison, warehouse names and rounding, each by
// the host's own rule.
#include <cmath>
#include <cstdio>
#include <cstring>

#include "hostsim/zarmak/recording.h"
#include "hostsim/zarmak/service_declarations.h"

using hostsim::Host;
using hostsim::Record;

namespace {
// The host keeps a warehouse's name in a field of this width, padded with blanks.
constexpr int kWarehouseNameWidth = 40;
}  // namespace

extern "C" {

// The host's copy: at most maxChars characters, ending at the source's NUL, which is copied
// when there is room for it within maxChars. Answers the characters copied.
int32_t ZARMAK_ordinal_52161(char* destination, const char* source, int32_t maxChars) {
  Record(52161, destination, source, maxChars);
  int32_t copied = 0;
  while (copied < maxChars && source[copied] != '\0') {
    destination[copied] = source[copied];
    ++copied;
  }
  if (copied < maxChars) destination[copied] = '\0';
  return copied;
}

// The host's comparison: byte by byte as unsigned values over at most `length` bytes, ending
// at a NUL (strncmp on unsigned bytes).
int32_t ZARMAK_ordinal_52431(const char* first, const char* second, int32_t length) {
  Record(52431, first, second, length);
  for (int32_t index = 0; index < length; ++index) {
    const auto a = static_cast<unsigned char>(first[index]);
    const auto b = static_cast<unsigned char>(second[index]);
    if (a != b) return a - b;
    if (a == '\0') return 0;
  }
  return 0;
}

// The host's rounding: half away from zero at precision p (100: hundredths, 1: whole).
double ZARMAK_ordinal_52179(double value, int32_t precision) {
  Record(52179, value, precision);
  const double p = precision;
  return (value < 0 ? -std::floor(-value * p + 0.5) : std::floor(value * p + 0.5)) / p;
}

// The name as the host keeps it, blank-padded; 52156 finishes it. Unknown numbers have a blank name.
int32_t ZARMAK_ordinal_52451(char* buffer, int32_t zero, int16_t* warehouseNo, int32_t table) {
  Record(52451, buffer, zero, warehouseNo, table);
  const auto found = Host().warehouseNames.find(*warehouseNo);
  const char* const name = found != Host().warehouseNames.end() ? found->second.c_str() : "";
  std::snprintf(buffer, 512, "%-*s", kWarehouseNameWidth, name);
  return 1;
}

// Finishes a looked-up name: its trailing blanks go.
int32_t ZARMAK_ordinal_52156(char* buffer) {
  Record(52156, buffer);
  size_t length = std::strlen(buffer);
  while (length > 0 && buffer[length - 1] == ' ') buffer[--length] = '\0';
  return 1;
}

}  // extern "C"
