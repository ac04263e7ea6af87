// The simulated host's texts: its own wording and the numbers it hands out for registered texts.
#include "hostsim/host_texts.h"

#include <gtest/gtest.h>

namespace {

using hostsim::HostTexts;

TEST(HostTexts, RegisteredTextsAreCopiedUnderNewNumbersBesideTheHostsOwn) {
  HostTexts texts;
  char buffer[] = "Mag.";
  const int32_t first = texts.Register(buffer);
  const int32_t second = texts.Register(buffer);  // the same text again
  buffer[0] = 'X';
  EXPECT_EQ(first, hostsim::kFirstRegisteredTextNumber);
  EXPECT_EQ(second, first + 1);
  ASSERT_NE(texts.Find(first), nullptr);
  EXPECT_EQ(*texts.Find(first), "Mag.");
  EXPECT_EQ(*texts.Find(second), "Mag.");
  EXPECT_EQ(texts.Find(second + 1), nullptr);
  ASSERT_NE(texts.Find(281), nullptr);
  EXPECT_EQ(*texts.Find(281),
            "Przych\xA2"
            "d");  // Mazovia, as the host keeps every text
}

TEST(HostTexts, NumberingCanBeMovedForTheNextRegistration) {
  HostTexts texts;
  texts.NumberNextFrom(0x0001FFFF);
  EXPECT_EQ(texts.Register("a"), 0x0001FFFF);
  EXPECT_EQ(texts.Register("b"), 0x00020000);
  EXPECT_EQ(*texts.Find(0x00020000), "b");
}

}  // namespace
