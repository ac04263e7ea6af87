// Polish texts reach the host as Mazovia bytes.
#include "text/mazovia.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Mazovia, EveryPolishLetterTakesItsCodePageByte) {
  constexpr auto letters = "ąćęłńóśźżĄĘŁĆŚŹŻÓŃ"_mazovia;
  EXPECT_EQ(std::string(letters.c_str(), letters.size()),
            "\x86\x8D\x91\x92\xA4\xA2\x9E\xA6\xA7\x8F\x90\x9C\x95\x98\xA0\xA1\xA3\xA5");
}

TEST(Mazovia, AsciiAndMarkupBytesStayAsTheyAre) {
  constexpr auto text =
      "Błąd\n\x02x\x01 \x05"
      "F4\x01"_mazovia;
  EXPECT_EQ(std::string(text.c_str()),
            "B\x92\x86\x64\n\x02x\x01 \x05"
            "F4\x01");
  static_assert(sizeof(text.bytes) == 14);  // 13 characters and the NUL
}

TEST(Mazovia, ALiteralsTextOutlivesTheExpressionThatNamedIt) {
  const char* kept = "Cukier biały"_mazovia;
  const char* again = "Cukier biały"_mazovia;
  EXPECT_EQ(kept, again);  // one constant per literal, not a temporary per use
  EXPECT_STREQ(kept, "Cukier bia\x92y");
}

TEST(Mazovia, ConvertsBackToUtf8ForPeople) {
  EXPECT_EQ(text::MazoviaToUtf8("Wska\xA6nik brak\xA2w"), "Wskaźnik braków");
}

}  // namespace
