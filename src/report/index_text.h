// The item index of a report row: the source's index text as a zero-padded decimal number.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace report {

// The most characters of the source's index text; its field holds them and a NUL.
inline constexpr size_t kIndexChars = 16;

// A signed 64-bit decimal number (leading white space and one sign allowed, then digits) that
// takes the whole text. The text ends at its first NUL, which must lie within its field of
// kIndexChars + 1 bytes; a text that runs past its field is not a number.
std::optional<int64_t> ParseIndex(const char* field);

// "%05I64d": at least five characters, zeros after any minus sign, into a field of
// kIndexChars + 1 bytes. A value whose text would not fit (ParseIndex gives none) leaves the
// field untouched and answers false.
bool FormatIndex(int64_t value, char (&field)[kIndexChars + 1]);

}  // namespace report
