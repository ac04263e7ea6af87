// Parsing and formatting the item index, the same bytes in every build (printf's I64 is not
// portable between the runtimes).
#include "report/index_text.h"

#include <cstring>

namespace report {
namespace {

constexpr size_t kMinimumWidth = 5;

bool IsWhiteSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

// At most kIndexChars characters: at most 16 digits, so the value cannot leave 64 bits.
static_assert(kIndexChars < 19);

std::optional<int64_t> ParseIndex(const char* field) {
  const size_t length = strnlen(field, kIndexChars + 1);
  if (length > kIndexChars) return std::nullopt;
  const char* const end = field + length;
  const char* next = field;
  while (next != end && IsWhiteSpace(*next)) ++next;
  const bool negative = next != end && *next == '-';
  if (next != end && (*next == '-' || *next == '+')) ++next;
  if (next == end) return std::nullopt;
  int64_t magnitude = 0;
  for (; next != end; ++next) {
    if (!IsDigit(*next)) return std::nullopt;
    magnitude = magnitude * 10 + (*next - '0');
  }
  return negative ? -magnitude : magnitude;
}

bool FormatIndex(int64_t value, char (&field)[kIndexChars + 1]) {
  // Digits from the least significant, of the magnitude taken without overflow.
  uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  char digits[20];
  size_t digitCount = 0;
  do {
    digits[digitCount++] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);

  char text[24];  // a sign and 19 digits at most
  size_t length = 0;
  if (value < 0) text[length++] = '-';
  while (length + digitCount < kMinimumWidth) text[length++] = '0';
  while (digitCount != 0) text[length++] = digits[--digitCount];
  if (length > kIndexChars) return false;
  std::memcpy(field, text, length);
  field[length] = '\0';
  return true;
}

}  // namespace report
