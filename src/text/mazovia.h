// Mazovia, the host's 8-bit code page for Polish. Sources are UTF-8; a literal written with the
// _mazovia suffix ("Błąd"_mazovia) is converted while compiling, so the binary holds Mazovia, and
// names a constant of static storage, so its text outlives any expression that uses it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace text {

struct PolishLetter {
  char32_t codePoint;
  unsigned char mazovia;
};

inline constexpr PolishLetter kPolishLetters[] = {
    {U'ą', 0x86}, {U'ć', 0x8D}, {U'ę', 0x91}, {U'ł', 0x92}, {U'ń', 0xA4}, {U'ó', 0xA2},
    {U'ś', 0x9E}, {U'ź', 0xA6}, {U'ż', 0xA7}, {U'Ą', 0x8F}, {U'Ę', 0x90}, {U'Ł', 0x9C},
    {U'Ć', 0x95}, {U'Ś', 0x98}, {U'Ź', 0xA0}, {U'Ż', 0xA1}, {U'Ó', 0xA3}, {U'Ń', 0xA5},
};

// A UTF-8 literal as a template argument.
template <size_t Size>
struct Utf8Literal {
  char bytes[Size];
  consteval Utf8Literal(const char (&literal)[Size]) {  // NOLINT: implicit by design
    for (size_t index = 0; index < Size; ++index) bytes[index] = literal[index];
  }
};

// NUL-terminated Mazovia text of a fixed size, usable as a host text.
template <size_t Size>
struct MazoviaText {
  char bytes[Size];
  constexpr const char* c_str() const { return bytes; }
  constexpr operator const char*() const { return bytes; }  // NOLINT: a host text is a char pointer
  static constexpr size_t size() { return Size - 1; }
};

consteval unsigned char MazoviaOf(char32_t codePoint) {
  for (const PolishLetter& letter : kPolishLetters) {
    if (letter.codePoint == codePoint) return letter.mazovia;
  }
  throw "a character that Mazovia has no Polish letter for";  // fails the compilation
}

// Walks a UTF-8 text of ASCII and two-byte Polish letters, calling emit for each Mazovia byte.
template <class Emit>
consteval void ConvertUtf8(const char* utf8, size_t length, Emit emit) {
  for (size_t index = 0; index < length; ++index) {
    const auto lead = static_cast<unsigned char>(utf8[index]);
    if (lead < 0x80) {
      emit(static_cast<char>(lead));
    } else if ((lead & 0xE0) == 0xC0 && index + 1 < length) {
      const auto trail = static_cast<unsigned char>(utf8[++index]);
      emit(static_cast<char>(MazoviaOf(static_cast<char32_t>(((lead & 0x1F) << 6) | (trail & 0x3F)))));
    } else {
      throw "not a Polish letter";
    }
  }
}

template <Utf8Literal Literal>
consteval size_t MazoviaLength() {
  size_t length = 0;
  ConvertUtf8(Literal.bytes, sizeof Literal.bytes - 1, [&](char) { ++length; });
  return length;
}

// Every Mazovia byte as UTF-8, for showing host text to a person.
inline std::string MazoviaToUtf8(std::string_view mazovia) {
  std::string utf8;
  for (const char byte : mazovia) {
    char32_t codePoint = static_cast<unsigned char>(byte);
    for (const PolishLetter& letter : kPolishLetters) {
      if (letter.mazovia == static_cast<unsigned char>(byte)) codePoint = letter.codePoint;
    }
    if (codePoint < 0x80) {
      utf8 += static_cast<char>(codePoint);
    } else {
      utf8 += static_cast<char>(0xC0 | (codePoint >> 6));
      utf8 += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
  }
  return utf8;
}

}  // namespace text

namespace text {

template <Utf8Literal Literal>
consteval auto ConvertedLiteral() {
  MazoviaText<MazoviaLength<Literal>() + 1> result{};
  size_t next = 0;
  ConvertUtf8(Literal.bytes, sizeof Literal.bytes - 1, [&](char byte) { result.bytes[next++] = byte; });
  result.bytes[next] = '\0';
  return result;
}

// One constant per literal, so that a pointer to its text stays valid for the program's life.
template <Utf8Literal Literal>
inline constexpr auto kMazoviaLiteral = ConvertedLiteral<Literal>();

}  // namespace text

template <text::Utf8Literal Literal>
consteval const auto& operator""_mazovia() {
  return text::kMazoviaLiteral<Literal>;
}
