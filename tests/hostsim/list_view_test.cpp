// The simulated host lays out a list as a person would see it.
#include "hostsim/list_view.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "text/mazovia.h"

namespace {

// Three fields: a 17-byte text, a quantity in thousandths, an amount of money.
struct SmallTable {
  uint8_t defs[3 * 6] = {1, 1, 1, 6, 10, 0, 2, 2, 1, 6, 11, 0, 3, 3, 1, 6, 12, 0};
  uint8_t widths[3] = {6, 9, 8};
  uint16_t kinds[4] = {0x000A, 'C', 'H', 0};
  TableDescriptor descriptor{};

  SmallTable() {
    descriptor.columnDefCount = 3;
    descriptor.columnCount = 3;
    descriptor.widthCount = 3;
    descriptor.columnDefsSource = defs;
    descriptor.columnWidthsSource = widths;
    descriptor.columnKindsSource = kinds;
    descriptor.titleSource = "Stan \x02magazynu\x01";
    std::memcpy(descriptor.keyBarCode, "ON", 2);
  }
};

std::vector<uint8_t> Row(const char* code, int32_t quantity, double amount) {
  std::vector<uint8_t> row(17 + 4 + 8, 0);
  std::strncpy(reinterpret_cast<char*>(row.data()), code, 16);
  std::memcpy(row.data() + 17, &quantity, 4);
  std::memcpy(row.data() + 21, &amount, 8);
  return row;
}

std::string HeaderText(uint16_t number) {
  switch (number) {
    case 10:
      return "Kod"_mazovia.c_str();
    case 11:
      return "Ilość\nkg"_mazovia.c_str();
    case 12:
      return "Kwota";
  }
  return "";
}

void AppendWord(std::vector<uint8_t>& bytes, uint16_t word) {
  bytes.insert(bytes.end(), {uint8_t(word), uint8_t(word >> 8)});
}

// A form block with one key-bar form "ON", 30 wide, holding two items.
std::vector<uint8_t> KeyBarBlock() {
  std::vector<uint8_t> body;
  for (uint16_t word : std::initializer_list<uint16_t>{0xFFFF, 0x4E4F, 0x6000, 0x0000, 1, 23, 30, 3, 0, 0})
    AppendWord(body, word);
  body.push_back(0);  // empty title
  const std::pair<uint16_t, const char*> items[] = {{2,
                                                     "\x05"
                                                     "F2\x01 Druk"},
                                                    {15,
                                                     "\x05"
                                                     "F4\x01 Wype\x92nij"}};
  for (const auto& [column, label] : items) {
    for (uint16_t word : std::initializer_list<uint16_t>{0, 0x3C00, 0, 0, column, 2, 12, 1, 0, 0})
      AppendWord(body, word);
    body.insert(body.end(), label, label + std::strlen(label) + 1);
  }
  std::vector<uint8_t> block(4, 0);
  AppendWord(block, static_cast<uint16_t>(body.size()));
  AppendWord(block, 2);
  block.insert(block.end(), body.begin(), body.end());
  const uint32_t length = static_cast<uint32_t>(block.size() - 4);
  std::memcpy(block.data(), &length, 4);
  return block;
}

TEST(ListView, ShowsTitleHeadersRowsAndKeyBarAsLaidOut) {
  SmallTable table;
  const std::vector<uint8_t> block = KeyBarBlock();
  const hostsim::ListView view =
      hostsim::LayOutList(table.descriptor, {Row("M1", -2500, -21.0), Row("MAGAZYN-DLUGI", 123456789, 1234567.891)},
                          HeaderText, block.data());
  EXPECT_EQ(view.title, "Stan magazynu");
  EXPECT_EQ(view.headerLines, (std::vector<std::string>{"Kod   |Ilość    |Kwota   ", "      |kg       |        "}));
  EXPECT_EQ(view.rows, (std::vector<std::string>{"M1    |   -2.500|  -21.00", "MAGAZY|*********|********"}));
  EXPECT_EQ(view.keyBar, "  F2 Druk      F4 Wypełnij    ");
}

}  // namespace
